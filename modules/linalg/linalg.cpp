// The linear algebra and signal windows' library; its windows add their own sources (see
// CMakeLists.txt).
namespace zol::linalg {}

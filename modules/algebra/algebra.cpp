// The algebra windows' library; its windows add their own sources (see CMakeLists.txt).
namespace zol::algebra {}

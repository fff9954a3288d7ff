#include "modules/linalg/linalgfenster.h"

#include "shell/rahmen/stringgrid.h"

#include <QLabel>

namespace zol {

QLabel* kopfteil(const QString& text, QWidget* eltern) {
    auto* l = new QLabel(text, eltern);
    l->setFrameStyle(QFrame::Panel | QFrame::Raised);
    l->setAlignment(Qt::AlignCenter);
    return l;
}

QStringList unbekanntenkoepfe(int n, bool mit_b) {
    QStringList k;
    for (int j = 1; j <= n; ++j)
        k << QStringLiteral("x%1").arg(j);
    if (mit_b) k << QStringLiteral("b");
    return k;
}

void texteSchreiben(TStringGrid& gitter, const std::vector<std::vector<std::string>>& texte) {
    gitter.setUpdatesEnabled(false);
    for (std::size_t r = 0; r < texte.size(); ++r)
        for (std::size_t c = 0; c < texte[r].size(); ++c)
            gitter.setCell(static_cast<int>(c + 1), static_cast<int>(r + 1),
                           QString::fromStdString(texte[r][c]));
    gitter.setUpdatesEnabled(true);
}

} // namespace zol

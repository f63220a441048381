// Link and favourite submenus.
#include "ui/linkmenus.h"

#include "settings/linklists.h"
#include "ui/messagebox.h"
#include "ui/qtext.h"

#include <QAction>
#include <QDesktopServices>
#include <QMenu>
#include <QUrl>

#include <algorithm>

namespace brisalta::ui {
namespace {

template <std::size_t N>
QMenu* buildMenu(const QString& title, const std::array<std::string, N>& names, int count,
                 int firstCommand, const QString& namePrefix, QWidget* parent) {
    auto* menu = new QMenu(title, parent);
    const int shown = std::clamp(count, 0, static_cast<int>(N));
    for (int i = 0; i < shown; ++i) {
        QAction* action = menu->addAction(menuTextOf(names[static_cast<std::size_t>(i)]));
        action->setData(firstCommand + i);
        action->setObjectName(namePrefix + QString::number(i));
    }
    return menu;
}

} // namespace

QMenu* buildInternetMenu(const LinkLists& lists, QWidget* parent) {
    QMenu* menu = buildMenu(tr8("Internet"), lists.linkNames, lists.linkCount, kFirstLinkCommand,
                            QStringLiteral("enlace"), parent);
    menu->setObjectName(QStringLiteral("menuInternet"));
    return menu;
}

QMenu* buildFavouritesMenu(const LinkLists& lists, QWidget* parent) {
    QMenu* menu = buildMenu(tr8("Preferidas"), lists.favouriteNames, lists.favouriteCount,
                            kFirstFavouriteCommand, QStringLiteral("preferida"), parent);
    menu->setObjectName(QStringLiteral("menuPreferidas"));
    return menu;
}

QString menuTextOf(const std::string& name) {
    QString text = toQt(name).trimmed();
    text.replace(QLatin1Char('&'), QStringLiteral("&&"));
    return text;
}

bool openWebLink(const std::string& storedAddress, QWidget* parent) {
    const std::optional<std::string> address = webAddressOf(storedAddress);
    const QUrl url = address ? QUrl(toQt(*address), QUrl::TolerantMode) : QUrl();
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || url.host().isEmpty() ||
        (scheme != QLatin1String("http") && scheme != QLatin1String("https"))) {
        showMessageBox(parent, toQt(refusedLinkMessage(storedAddress)), QMessageBox::Warning);
        return false;
    }
    QDesktopServices::openUrl(url);
    return true;
}

} // namespace brisalta::ui

// The "Internet" and "Preferidas" submenus, the opening of a link (only web
// addresses reach the desktop), and the about box with its link.
#include "modalhelper.h"

#include "settings/linklists.h"
#include "text/codepage.h"
#include "ui/acercade.h"
#include "ui/chyperlinkstatic.h"
#include "ui/linkmenus.h"

#include <QAction>
#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QUrl>

using namespace brisalta;
using namespace brisalta::ui;

// Stands in for the desktop: records every address it is asked to open.
class Desktop : public QObject {
    Q_OBJECT

public:
    Desktop() {
        for (const char* scheme : {"http", "https", "file", "ftp", "javascript"}) {
            QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), this, "open");
        }
    }
    ~Desktop() override {
        for (const char* scheme : {"http", "https", "file", "ftp", "javascript"}) {
            QDesktopServices::unsetUrlHandler(QString::fromLatin1(scheme));
        }
    }

    QList<QUrl> opened;

public slots:
    void open(const QUrl& url) { opened << url; }
};

namespace {

QStringList texts(const QMenu* menu) {
    QStringList list;
    for (const QAction* action : menu->actions()) {
        list << action->text();
    }
    return list;
}

QList<int> commands(const QMenu* menu) {
    QList<int> list;
    for (const QAction* action : menu->actions()) {
        list << action->data().toInt();
    }
    return list;
}

} // namespace

class LinkMenusTest : public QObject {
    Q_OBJECT

private slots:
    void menusListTheFilesInOrder() {
        LinkLists lists;
        for (int i = 0; i < 10; ++i) {
            lists.linkNames[static_cast<std::size_t>(i)] = "Enlace " + std::to_string(i + 1) + " ";
        }
        lists.linkNames[4] = "Radar & sat ";
        lists.linkCount = 10;
        lists.favouriteNames = {text::cp1252("Almería "), "Madrid ", "Sevilla ", "Salta "};
        lists.favouriteCount = 4;

        QWidget window;
        QMenu* internet = buildInternetMenu(lists, &window);
        QCOMPARE(internet->title(), QStringLiteral("Internet"));
        QCOMPARE(texts(internet).size(), 10);
        QCOMPARE(texts(internet).front(), QStringLiteral("Enlace 1"));
        QCOMPARE(texts(internet)[4], QStringLiteral("Radar && sat"));
        QCOMPARE(texts(internet).back(), QStringLiteral("Enlace 10"));
        QCOMPARE(commands(internet), (QList<int>{50000, 50001, 50002, 50003, 50004, 50005, 50006,
                                                 50007, 50008, 50009}));

        QMenu* favourites = buildFavouritesMenu(lists, &window);
        QCOMPARE(favourites->title(), QStringLiteral("Preferidas"));
        QCOMPARE(texts(favourites),
                 (QStringList{QStringLiteral("Almería"), QStringLiteral("Madrid"),
                              QStringLiteral("Sevilla"), QStringLiteral("Salta")}));
        QCOMPARE(commands(favourites), (QList<int>{50010, 50011, 50012, 50013}));

        // An empty file still gets its submenu, with no items.
        LinkLists none;
        QVERIFY(buildInternetMenu(none, &window)->actions().isEmpty());
    }

    void opensOnlyWebAddresses() {
        Desktop desktop;
        QVERIFY(openWebLink("https://www.aemet.es ", nullptr));
        QVERIFY(openWebLink("http://weather.uwyo.edu/upperair/sounding.html", nullptr));
        QCOMPARE(
            desktop.opened,
            (QList<QUrl>{QUrl(QStringLiteral("https://www.aemet.es")),
                         QUrl(QStringLiteral("http://weather.uwyo.edu/upperair/sounding.html"))}));

        for (const char* refused : {"file:///etc/passwd ", "/usr/bin/xterm", "javascript:alert(1)",
                                    "ftp://ftp.example.org/", ""}) {
            QString shown;
            test::whenModal<QMessageBox>([&shown](QMessageBox* box) {
                shown = box->text();
                box->accept();
            });
            QVERIFY(!openWebLink(refused, nullptr));
            QCOMPARE(shown, QString::fromStdString(text::toUtf8(refusedLinkMessage(refused))));
        }
        QCOMPARE(desktop.opened.size(), 2);
    }

    void aboutBoxShowsTheVersionAndOpensTheWebAddress() {
        Desktop desktop;
        AcercaDe about;
        QCOMPARE(about.windowTitle(), QStringLiteral("Acerca de Brisalta"));
        QVERIFY(about.findChild<QLabel*>(QStringLiteral("icono"))->pixmap().width() > 0);
        QCOMPARE(about.findChild<QLabel*>(QStringLiteral("version"))->text(),
                 QStringLiteral("Brisalta Versión 3.22"));
        QStringList labels;
        for (const QLabel* label : about.findChildren<QLabel*>()) {
            labels << label->text();
        }
        QVERIFY(labels.contains(QStringLiteral("Web:")));
        CHyperlinkStatic* link = about.link();
        QCOMPARE(link->text(), QStringLiteral("https://brisalta.example.org/"));
        QCOMPARE(link->palette().color(QPalette::WindowText), QColor(0, 0, 255));
        QCOMPARE(link->cursor().shape(), Qt::PointingHandCursor);
        const QList<QPushButton*> buttons = about.findChildren<QPushButton*>();
        QCOMPARE(buttons.size(), 1);
        QCOMPARE(buttons.front()->text(), QStringLiteral("Aceptar"));

        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        QTest::mouseClick(link, Qt::RightButton);
        QVERIFY(desktop.opened.isEmpty());
        QTest::mouseClick(link, Qt::LeftButton);
        QCOMPARE(desktop.opened,
                 (QList<QUrl>{QUrl(QStringLiteral("https://brisalta.example.org/"))}));
    }
};

QTEST_MAIN(LinkMenusTest)
#include "linkmenus_test.moc"

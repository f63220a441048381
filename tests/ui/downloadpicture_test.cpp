// The picture shown while data are downloaded: one at a time, gone after its
// time, and hidden by a key or mouse press that it consumes.
#include "ui/csplashwnd.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>

using namespace brisalta::ui;

namespace {

int visiblePictures() {
    int n = 0;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->objectName() == QStringLiteral("imagenDescarga") && w->isVisible()) {
            ++n;
        }
    }
    return n;
}

} // namespace

class DownloadPictureTest : public QObject {
    Q_OBJECT

private slots:
    void twoDownloadsWithinItsTimeShowOnePicture() {
        QWidget window;
        window.show();
        CSplashWnd splash;
        splash.setDuration(300);
        splash.showSplash(&window, 0);
        splash.showSplash(&window, 1);
        QCOMPARE(visiblePictures(), 1);
        QCOMPARE(splash.mode(), 0);
        QTRY_VERIFY_WITH_TIMEOUT(!splash.isVisible(), 2000);
        QTRY_COMPARE_WITH_TIMEOUT(visiblePictures(), 0, 2000);
        splash.showSplash(&window, 1);
        QVERIFY(splash.isVisible());
        QCOMPARE(splash.mode(), 1);
    }

    void aKeyPressHidesThePictureAndIsNotPassedOn() {
        QWidget window;
        QLineEdit edit(&window);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        CSplashWnd splash;
        splash.setDuration(60000);
        splash.showSplash(&window, 0);
        QVERIFY(splash.isVisible());
        QTest::keyClick(&edit, Qt::Key_A);
        QVERIFY(!splash.isVisible());
        QCOMPARE(edit.text(), QString());
        QTest::keyClick(&edit, Qt::Key_B);
        QCOMPARE(edit.text(), QStringLiteral("b"));
    }

    void aMousePressHidesThePicture() {
        QWidget window;
        window.show();
        CSplashWnd splash;
        splash.setDuration(60000);
        splash.showSplash(&window, 0);
        QTest::mouseClick(&window, Qt::LeftButton);
        QVERIFY(!splash.isVisible());
    }

    void aDisabledPictureNeverShows() {
        QWidget window;
        CSplashWnd splash;
        splash.setEnabled(false);
        splash.showSplash(&window, 0);
        QVERIFY(!splash.isVisible());
    }
};

QTEST_MAIN(DownloadPictureTest)
#include "downloadpicture_test.moc"

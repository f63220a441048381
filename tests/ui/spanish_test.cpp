// Qt's own texts in Spanish whatever the environment says: this program runs
// with LANG=C, as under cron, ssh or a bare desktop session.
#include "ui/spanish.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QLibraryInfo>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace brisalta;

class SpanishTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QVERIFY2(qEnvironmentVariable("LANG") == QStringLiteral("C"), "run with LANG=C");
        QVERIFY2(ui::installSpanishTranslations(*qApp),
                 qPrintable(QStringLiteral("qtbase_es not found in ") +
                            QLibraryInfo::path(QLibraryInfo::TranslationsPath)));
    }

    void standardButtonsReadSpanish() {
        QDialogButtonBox box(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
        QCOMPARE(box.button(QDialogButtonBox::Ok)->text().remove(QLatin1Char('&')),
                 QStringLiteral("Aceptar"));
        QCOMPARE(box.button(QDialogButtonBox::Cancel)->text().remove(QLatin1Char('&')),
                 QStringLiteral("Cancelar"));
    }

    void fileChooserReadsSpanish() {
        QFileDialog chooser(nullptr, QStringLiteral("Previsión Sondeo"));
        chooser.setOption(QFileDialog::DontUseNativeDialog);
        chooser.setAcceptMode(QFileDialog::AcceptOpen);
        auto* buttons = chooser.findChild<QDialogButtonBox*>();
        QVERIFY(buttons != nullptr);
        QCOMPARE(buttons->button(QDialogButtonBox::Cancel)->text().remove(QLatin1Char('&')),
                 QStringLiteral("Cancelar"));
        QCOMPARE(buttons->button(QDialogButtonBox::Open)->text().remove(QLatin1Char('&')),
                 QStringLiteral("Abrir"));
        chooser.setAcceptMode(QFileDialog::AcceptSave);
        QCOMPARE(buttons->button(QDialogButtonBox::Save)->text().remove(QLatin1Char('&')),
                 QStringLiteral("Guardar"));
    }

    void calendarsNameSpanishMonths() {
        QCalendarWidget calendar;
        QCOMPARE(calendar.locale().monthName(1), QStringLiteral("enero"));
        QCOMPARE(QLocale().dayName(1), QStringLiteral("lunes"));
    }

    // "~/Documents" does not exist on a Spanish desktop: the save folder is
    // the documents folder when it exists, else the home folder.
    void saveFolderFallsBackToTheHomeFolder() {
        QTemporaryDir home;
        const QByteArray oldHome = qgetenv("HOME");
        const QByteArray oldConfig = qgetenv("XDG_CONFIG_HOME");
        qputenv("HOME", home.path().toUtf8());
        qputenv("XDG_CONFIG_HOME", (home.path() + QStringLiteral("/.config")).toUtf8());
        QCOMPARE(ui::defaultDocumentFolder(), QDir::homePath());
        const QString documents =
            QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        QVERIFY(QDir().mkpath(documents));
        QCOMPARE(ui::defaultDocumentFolder(), documents);
        qputenv("HOME", oldHome);
        qputenv("XDG_CONFIG_HOME", oldConfig);
    }
};

QTEST_MAIN(SpanishTest)
#include "spanish_test.moc"

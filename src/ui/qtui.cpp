// Message boxes, dialogs, busy cursor and download picture of the window.
#include "ui/qtui.h"

#include "app/preferencescommands.h"
#include "ui/acercade.h"
#include "ui/altitud.h"
#include "ui/cdialogopref.h"
#include "ui/cdialogosondeos.h"
#include "ui/cidentdialogo.h"
#include "ui/csondeomanual.h"
#include "ui/csplashwnd.h"
#include "ui/dialogoema.h"
#include "ui/dialogoweb.h"
#include "ui/grafpref.h"
#include "ui/dialogotabla.h"
#include "ui/dialogotablasondeo.h"
#include "ui/dialogoxls.h"
#include "ui/pageprinter.h"
#include "ui/qtext.h"
#include "ui/spanish.h"
#include "ui/techo.h"

#include <QApplication>
#include <QDateTime>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QStandardPaths>
#include <QUrl>

namespace brisalta::ui {

QtUi::QtUi() : mSplash(new CSplashWnd()) {}

QtUi::~QtUi() {
    delete mSplash;
    while (mBusyDepth > 0) {
        setBusy(false);
    }
}

void QtUi::attach(QWidget* window, std::function<void()> redrawView,
                  std::function<void(const std::filesystem::path&)> documentUsed) {
    mWindow = window;
    mRedrawView = std::move(redrawView);
    mDocumentUsed = std::move(documentUsed);
}

void QtUi::showMessage(const std::string& text, MessageIcon icon, const std::string& caption) {
    QMessageBox box(mWindow);
    box.setWindowTitle(caption.empty() ? tr8("Brisalta") : toQt(caption));
    box.setText(toQt(text));
    switch (icon) {
    case MessageIcon::None:
        box.setIcon(QMessageBox::NoIcon);
        break;
    case MessageIcon::Information:
        box.setIcon(QMessageBox::Information);
        break;
    case MessageIcon::Exclamation:
        box.setIcon(QMessageBox::Warning);
        break;
    case MessageIcon::Error:
        box.setIcon(QMessageBox::Critical);
        break;
    }
    box.addButton(tr8("Aceptar"), QMessageBox::AcceptRole);
    // A message must be read with the normal cursor even during a transfer.
    const bool busy = mBusyDepth > 0;
    if (busy) {
        QApplication::setOverrideCursor(Qt::ArrowCursor);
    }
    box.exec();
    if (busy) {
        QApplication::restoreOverrideCursor();
    }
}

void QtUi::setBusy(bool busy) {
    if (busy) {
        ++mBusyDepth;
        QApplication::setOverrideCursor(Qt::WaitCursor);
    } else if (mBusyDepth > 0) {
        --mBusyDepth;
        QApplication::restoreOverrideCursor();
    }
}

void QtUi::showDownloadPicture(int variant) {
    if (mWindow) {
        mSplash->showSplash(mWindow, variant);
    }
}

void QtUi::redraw() {
    if (mRedrawView) {
        mRedrawView();
    }
}

void QtUi::showStatus(const std::string& text) {
    if (mShowStatus) {
        mShowStatus(text);
    }
}

std::optional<std::string> QtUi::askIcaoCode() {
    CIdentDialogo dialog(mWindow);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return fromQt(dialog.code());
}

std::optional<int> QtUi::askAltitude() {
    Altitud dialog(mWindow);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.altitude();
}

std::optional<AutomaticStationAnswer> QtUi::askAutomaticStation(
    const std::string& keyText, const std::vector<std::string>& entries) {
    QStringList items;
    items.reserve(static_cast<qsizetype>(entries.size()));
    for (const std::string& entry : entries) {
        items << toQt(entry);
    }
    DialogoEma dialog(toQt(keyText), items, mWindow);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.answer();
}

std::optional<std::filesystem::path> QtUi::chooseDocumentToOpen() {
    const QString file = QFileDialog::getOpenFileName(
        mWindow, tr8("Abrir"), QString(), tr8("Archivos Brisalta (*.brl);;Todos los archivos (*)"));
    if (file.isEmpty()) {
        return std::nullopt;
    }
    return std::filesystem::path(file.toStdString());
}

std::optional<std::filesystem::path> QtUi::chooseDocumentToSave(const std::string& proposedName) {
    // "~/Documents" does not exist on a Spanish desktop: the desktop's own
    // documents folder, or the home folder.
    const QString proposal = QDir(defaultDocumentFolder()).filePath(toQt(proposedName));
    QFileDialog dialog(mWindow, tr8("Guardar como"), proposal,
                       tr8("Archivos Brisalta (*.brl)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("brl"));
    dialog.selectFile(proposal);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return std::filesystem::path(dialog.selectedFiles().constFirst().toStdString());
}

std::optional<SoundingDateAnswer> QtUi::askSoundingDate(const std::string& stationText,
                                                        std::int64_t today) {
    CDialogoSondeos dialog(toQt(stationText), QDateTime::fromSecsSinceEpoch(today).date(), mWindow);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    // The picked day at local noon: it reads back as the same day in local
    // time whatever the daylight-saving changes of that date.
    SoundingDateAnswer answer;
    answer.date = QDateTime(dialog.date(), QTime(12, 0)).toSecsSinceEpoch();
    answer.hourIndex = dialog.hourIndex();
    return answer;
}

std::optional<std::string> QtUi::askSoundingStationNumber() {
    CSondeoManual dialog(mWindow);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return fromQt(dialog.number());
}

std::optional<CeilingInputs> QtUi::askCeilingInputs() {
    Techo dialog(mWindow);
    if (dialog.exec() != QDialog::Accepted || !dialog.temperature() || !dialog.dewPoint()) {
        return std::nullopt;
    }
    return CeilingInputs{*dialog.temperature(), *dialog.dewPoint()};
}

std::optional<std::filesystem::path> QtUi::chooseForecastFile() {
    QFileDialog dialog(mWindow, tr8("Previsión Sondeo"), defaultDocumentFolder(),
                       tr8("Listados de texto (*.txt *.TXT);;Todos los archivos (*)"));
    dialog.setObjectName(QStringLiteral("previsionSondeo"));
    dialog.setFileMode(QFileDialog::ExistingFile);
    // Qt's own chooser, so that it carries the sentence below and speaks Spanish.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    if (auto* grid = qobject_cast<QGridLayout*>(dialog.layout())) {
        auto* wanted = new QLabel(forecastFileSentence(), &dialog);
        wanted->setObjectName(QStringLiteral("queFichero"));
        wanted->setWordWrap(true);
        grid->addWidget(wanted, grid->rowCount(), 0, 1, grid->columnCount());
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return std::filesystem::path(dialog.selectedFiles().constFirst().toStdString());
}

QString forecastFileSentence() {
    return tr8("Elija el sondeo previsto guardado como texto desde la herramienta READY del Air "
               "Resources Laboratory (NOAA): el listado de un perfil de GDAS o GFS para un punto, "
               "guardado como fichero .txt.");
}

void QtUi::showDataTable(const DataTable& table, const TableDialogActions& actions) {
    if (table.kind == TableKind::Hourly) {
        DialogoTabla dialog(table, actions, mWindow);
        dialog.exec();
    } else {
        DialogoTablaSondeo dialog(table, actions, mWindow);
        dialog.exec();
    }
}

std::optional<ExportChoice> QtUi::askExportChoice() {
    // Over the table dialog that asked, not over the main window.
    DialogoXls dialog(QApplication::activeModalWidget() ? QApplication::activeModalWidget()
                                                        : mWindow.data());
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.choice();
}

std::optional<std::filesystem::path> QtUi::chooseExportFile(bool excel, bool combined,
                                                            const std::string& proposedName) {
    QString folder = mExportFolder;
    if (folder.isEmpty()) {
        folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    }
    if (folder.isEmpty()) {
        folder = QDir::homePath();
    }
    const QString proposal = proposedName.empty() ? folder : QDir(folder).filePath(toQt(proposedName));
    QWidget* parent =
        QApplication::activeModalWidget() ? QApplication::activeModalWidget() : mWindow.data();
    QFileDialog dialog(parent, tr8("Guardar como"), proposal,
                       excel ? tr8("XLSX Files(*.xlsx);;All Files(*)")
                             : tr8("CSV Files(*.csv);;All Files(*)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(excel ? QStringLiteral("xlsx") : QStringLiteral("csv"));
    // Appending keeps the file: there is nothing to confirm.
    dialog.setOption(QFileDialog::DontConfirmOverwrite, combined);
    if (!proposedName.empty()) {
        dialog.selectFile(proposal);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    const QString file = dialog.selectedFiles().constFirst();
    mExportFolder = QFileInfo(file).absolutePath();
    return std::filesystem::path(file.toStdString());
}

PrintOutcome QtUi::printPage(const PrintJob& job) {
    QWidget* parent =
        QApplication::activeModalWidget() ? QApplication::activeModalWidget() : mWindow.data();
    return printWithDialog(parent, job);
}

PrintOutcome QtUi::previewPage(const PrintJob& job) {
    QWidget* parent =
        QApplication::activeModalWidget() ? QApplication::activeModalWidget() : mWindow.data();
    return previewWithDialog(parent, job);
}

void QtUi::documentUsed(const std::filesystem::path& path) {
    if (mDocumentUsed) {
        mDocumentUsed(path);
    }
}

PreferencesAnswer QtUi::askPreferences(const PreferencesFields& current,
                                       const ListEditorFiles& files) {
    StationSelection selection;
    setListFields(selection, current);
    selection.timeOffsetHours = current.timeOffsetHours;
    selection.apiKey = current.apiKey;
    CDialogoPref dialog(selection, mWindow);
    QObject::connect(&dialog, &CDialogoPref::linksRequested, &dialog,
                     [&] { DialogoWeb::editFile(files.links, &dialog); });
    QObject::connect(&dialog, &CDialogoPref::favouritesRequested, &dialog, [&] {
        GrafPref::editFile(files.favourites, files.currentTitle,
                           dialog.chosenSelection().icao.str(), &dialog);
    });
    const bool confirmed = dialog.exec() == QDialog::Accepted;
    PreferencesAnswer answer{preferenceFieldsOf(dialog.chosenSelection()), confirmed};
    answer.fields.timeOffsetHours = current.timeOffsetHours;
    answer.fields.apiKey = current.apiKey;
    if (confirmed) {
        const PreferencesEntry entry = dialog.entry();
        answer.fields.timeOffsetHours = entry.timeOffsetHours;
        answer.fields.apiKey = entry.apiKey;
    }
    return answer;
}

void QtUi::editLinks(const std::filesystem::path& file) {
    DialogoWeb::editFile(file, mWindow);
}

void QtUi::editFavourites(const std::filesystem::path& file, const std::string& currentTitle,
                          const std::string& currentIcao) {
    GrafPref::editFile(file, currentTitle, currentIcao, mWindow);
}

bool QtUi::openWebAddress(const std::string& address) {
    const QUrl url(toQt(address), QUrl::TolerantMode);
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || url.host().isEmpty() ||
        (scheme != QLatin1String("http") && scheme != QLatin1String("https"))) {
        return false;
    }
    return QDesktopServices::openUrl(url);
}

bool QtUi::openWithDesktop(const std::filesystem::path& file) {
    return QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(file.string())));
}

void QtUi::showAbout() {
    AcercaDe dialog(mWindow);
    dialog.exec();
}

} // namespace brisalta::ui

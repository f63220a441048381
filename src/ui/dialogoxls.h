// "Exportar datos": the choice of file format ("Fichero Excel" or "Fichero
// Csv") and mode ("Individual" or "Combinado") behind the table dialogs'
// "Exportar" button. It opens on "Fichero Excel" and "Individual".
#pragma once

#include "ports/ui.h"

#include <QDialog>

class QRadioButton;

namespace brisalta::ui {

class DialogoXls : public QDialog {
    Q_OBJECT

public:
    explicit DialogoXls(QWidget* parent = nullptr);

    // The pair of buttons checked.
    ExportChoice choice() const;

    QRadioButton* excelButton() const { return mExcel; }
    QRadioButton* csvButton() const { return mCsv; }
    QRadioButton* individualButton() const { return mIndividual; }
    QRadioButton* combinedButton() const { return mCombined; }

private:
    QRadioButton* mExcel;
    QRadioButton* mCsv;
    QRadioButton* mIndividual;
    QRadioButton* mCombined;
};

} // namespace brisalta::ui

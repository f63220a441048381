// "Acerca de Brisalta": the program's icon, its version and its web address.
#pragma once

#include <QDialog>

namespace brisalta::ui {

// The program's web address, shown and opened by the about box; chosen when
// the program is built (BRISALTA_WEB_ADDRESS in CMake).
#ifndef BRISALTA_WEB_ADDRESS
#define BRISALTA_WEB_ADDRESS "https://brisalta.example.org/"
#endif
inline constexpr const char* kProjectWebAddress = BRISALTA_WEB_ADDRESS;

// The version the user is shown.
inline constexpr const char* kShownVersion = "3.22";

class CHyperlinkStatic;

class AcercaDe : public QDialog {
    Q_OBJECT

public:
    explicit AcercaDe(QWidget* parent = nullptr);

    CHyperlinkStatic* link() const { return mLink; }

private:
    CHyperlinkStatic* mLink;
};

} // namespace brisalta::ui

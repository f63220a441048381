// "Acerca de Brisalta": the program's icon, its version and its web address.
#pragma once

#include <QDialog>

namespace brisalta::ui {

// The program's web address, shown and opened by the about box.
inline constexpr const char* kProjectWebAddress = "https://brisalta.example.org/";

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

// The picture shown for one second at the start of every download. Only one
// exists at a time (two downloads within a second show one picture), and any
// key or mouse press hides it and is consumed.
#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>

class QTimer;

namespace brisalta::ui {

class CSplashWnd : public QObject {
    Q_OBJECT

public:
    explicit CSplashWnd(QObject* parent = nullptr);
    ~CSplashWnd() override;

    // Set from the command line; false suppresses every picture.
    void setEnabled(bool enabled) { mEnabled = enabled; }

    // Shows the picture centred over the parent for one second, unless one is
    // already visible. mode 0 or 1 (both show the same picture).
    void showSplash(QWidget* parent, int mode);

    // Destroys the picture and repaints the main window.
    void hideSplash();

    bool isVisible() const { return !mWindow.isNull(); }
    int mode() const { return mMode; }

    // How long the picture stays, in milliseconds (tests shorten it).
    void setDuration(int milliseconds) { mDuration = milliseconds; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool mEnabled = true;
    int mMode = 0;
    int mDuration = 1000;
    QPointer<QWidget> mWindow;
    QPointer<QWidget> mParent;
    QTimer* mTimer;
};

} // namespace brisalta::ui

// The busy state of a download in the window: a small panel over the main
// window saying that data are being fetched, with a "Cancelar" button. While
// it is up, the rest of the window takes no input (it keeps painting), and
// Escape anywhere works as the button.
#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>

#include <functional>

class QPushButton;

namespace brisalta::ui {

class CTransferPanel : public QObject {
    Q_OBJECT

public:
    // `onCancel` runs at most once per showing, on the window's thread.
    explicit CTransferPanel(std::function<void()> onCancel, QObject* parent = nullptr);
    ~CTransferPanel() override;

    // Starts the busy state: input is held back at once; the panel itself
    // appears over `window` (or the active window) after `delayMs`, so quick
    // downloads do not flash it.
    void begin(QWidget* window, int delayMs);
    // Ends it: the panel goes and input reaches the window again.
    void end();

    bool isShowing() const { return !mPanel.isNull() && mPanel->isVisible(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showPanel();
    void cancel();

    std::function<void()> mOnCancel;
    QPointer<QWidget> mWindow;
    QPointer<QWidget> mPanel;
    bool mActive = false;
    bool mCancelled = false;
    int mGeneration = 0;
};

} // namespace brisalta::ui

#pragma once

#include <QFrame>
#include <QPointer>
#include <QString>

class CImageButton;
class ManualResetEvent;
class QLabel;
class QProgressBar;

// The small window in the middle of the graph view while the graphs are
// computed: which graph of how many, a bar with the percent of the samples
// done, and Cancel, which stops the worker and shows a notice until the view
// takes the window down.
class CGraphProgressDlg : public QFrame {
public:
    explicit CGraphProgressDlg(QWidget* parent);

    // Shows the window centred in its parent.
    void ShowCentred();
    // Set once the computation has started; Cancel signals it.
    void SetStopEvent(ManualResetEvent* stopEvent) { m_stopEvent = stopEvent; }
    // WM_GRAPH_PROGRESS: percent of the samples, the number of complete
    // graphs of all displayed ones.
    void OnGraphProgress(int percent, int completeCount, int displayedCount);
    // The Cancel button and the Escape key.
    void OnCancel();
    void ShowCancelling();
    // Back to work after a restart; the counter keeps its text.
    void ResetProgress();

    int Progress() const;
    QString PercentText() const { return m_percentText; }
    QString CountText() const { return m_countText; }
    bool IsCancelling() const;

protected:
    void customEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    // Gives the focus back to where it was before the window showed.
    void hideEvent(QHideEvent* event) override;

private:
    void BuildControls();
    // The controls of the working state, hidden while cancelling.
    QList<QWidget*> WorkingControls() const;
    void UpdateTexts();

    CImageButton* m_cancelButton = nullptr;
    QProgressBar* m_progress = nullptr;
    QLabel* m_message = nullptr;
    QLabel* m_cancelling = nullptr;
    QLabel* m_percent = nullptr;
    QLabel* m_percentCaption = nullptr;
    QLabel* m_countCaption = nullptr;
    QLabel* m_count = nullptr;
    ManualResetEvent* m_stopEvent = nullptr;
    QPointer<QWidget> m_previousFocus;
    QString m_percentText;
    QString m_countText;
};

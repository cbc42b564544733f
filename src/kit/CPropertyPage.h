#pragma once

#include "Ids.h"

#include <QString>
#include <QWidget>

#include <cstdint>

// One page of a CAdvPropertySheet. The sheet drives the activation
// protocol: OnInitDialog once before the page is first shown, OnSetActive
// each time it becomes the current page, OnKillActive when the user leaves
// it or presses OK; a page that returns false from OnKillActive keeps the
// user on it.
class CPropertyPage : public QWidget {
public:
    CPropertyPage(DialogId templateId, StringId captionId);

    DialogId TemplateId() const { return m_templateId; }
    QString Caption() const;

    // Runs OnInitDialog the first time, then OnSetActive.
    void Activate();

    virtual void OnInitDialog() {}
    virtual void OnSetActive() {}
    virtual bool OnKillActive() { return true; }

    // The field that has the focus when the page opens: the first input
    // field unless a page names another.
    virtual QWidget* FirstField();

    // The context-help id of a control of this page.
    std::uint32_t ControlHelpId(int controlId) const;

protected:
    // Gives a control its id, its context help and a name for tests.
    void RegisterControl(QWidget* control, int controlId) const;
    // Shows one of the page's validation messages with the exclamation icon.
    void ShowMessage(StringId textId, StringId captionId);
    // Shows a refusal and puts the caret back in the refused field, its
    // text selected.
    void Refuse(StringId textId, StringId captionId, QWidget* field);

private:
    DialogId m_templateId;
    StringId m_captionId;
    bool m_initialised = false;
};

// The properties that carry a control's id and help id.
inline constexpr const char* kControlIdProperty = "curvixControlId";
inline constexpr const char* kHelpIdProperty = "curvixHelpId";

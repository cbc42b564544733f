#pragma once

// Answers every message box of a test and keeps what it was asked.

#include "AppMessageBox.h"
#include "MessageBoxStyle.h"
#include "StringTable.h"

#include <deque>
#include <vector>

class MessageRecorder {
public:
    MessageRecorder()
    {
        AppMessageBox::SetTestResponder([this](const AppMessageBox::Request& request) {
            requests.push_back(request);
            if (answers.empty())
                return IDOK;
            const int answer = answers.front();
            answers.pop_front();
            return answer;
        });
    }
    ~MessageRecorder() { AppMessageBox::SetTestResponder({}); }
    MessageRecorder(const MessageRecorder&) = delete;
    MessageRecorder& operator=(const MessageRecorder&) = delete;

    // The texts shown so far, in order.
    std::vector<QString> Texts() const
    {
        std::vector<QString> texts;
        for (const AppMessageBox::Request& request : requests)
            texts.push_back(request.text);
        return texts;
    }
    static QString Text(unsigned id) { return QString::fromUtf8(LoadAppString(id)); }

    std::vector<AppMessageBox::Request> requests;
    std::deque<int> answers;  // IDOK once they run out
};

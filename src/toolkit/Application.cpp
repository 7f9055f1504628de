#include "toolkit/Application.h"

#include "toolkit/ErrorReport.h"
#include "toolkit/Form.h"
#include "toolkit/HelpViewer.h"
#include "toolkit/MessageForm.h"

TApplication Application;

namespace {

void ShowErrorBox(const std::string& message) {
    Application.ShowException(message);
}

} // namespace

TApplication::TApplication() {
    SetErrorReporter(ShowErrorBox);
}

TApplication::~TApplication() {
    SetErrorReporter(nullptr);
}

void TApplication::Run() {
    if (Terminated())
        return;
    if (MainForm())
        MainForm()->Show();
    RunLoop();
}

void TApplication::HandleException() {
    ReportException();
}

void TApplication::ShowException(const std::string& message) {
    try {
        TDialogRequest request;
        request.kind = TDialogKind::Error;
        request.caption = FrameText(TDialogKind::Error);
        request.text = message;
        request.buttons = mbOK;
        AskBox(request);
    } catch (...) {
    }
}

bool TApplication::HelpCommand(UINT command, ULONG_PTR data, const std::string& topic) {
    TDialogRequest request;
    request.kind = TDialogKind::Help;
    request.caption = helpFile_;
    request.helpCommand = command;
    request.helpData = data;
    request.helpTopic = topic;
    if (TDialogHandler* handler = DialogHandler())
        return handler->Answer(request) != 0;
    ProgramHelp().Show(MainForm() ? MainForm()->Handle() : nullptr, helpFile_, command, data,
                       topic);
    return true;
}

#include <stdio.h>
#include <string.h>

#include "tools/robot/command_handlers.h"
#include "tools/robot/controls.h"

namespace {

HWND WaitForMessageBox(const Request &request)
{
    HWND messageBox = nullptr;
    WaitUntil(request.deadline, [&] { return (messageBox = FindMessageBox()) != nullptr; });
    if (!messageBox)
        Fail("no message box appeared");
    return messageBox;
}

bool ButtonIdOfAnswer(const std::string &answer, int *id)
{
    static const struct {
        const char *answer;
        int id;
    } kAnswers[] = {{"ok", IDOK}, {"cancel", IDCANCEL}, {"yes", IDYES}, {"no", IDNO}, {"retry", IDRETRY}};
    for (const auto &known : kAnswers) {
        if (_stricmp(answer.c_str(), known.answer) == 0) {
            *id = known.id;
            return true;
        }
    }
    return Fail("the answer must be ok, cancel, yes, no or retry");
}

} // namespace

bool WaitMessageCommand(const Request &request)
{
    HWND messageBox = WaitForMessageBox(request);
    return messageBox && PrintLine(MessageBoxText(messageBox));
}

bool AnswerCommand(const Request &request)
{
    int id = 0;
    if (!ButtonIdOfAnswer(request.arguments[0], &id))
        return false;
    HWND messageBox = WaitForMessageBox(request);
    if (!messageBox)
        return false;
    HWND button = GetDlgItem(messageBox, id);
    if (!button || !IsWindowVisible(button) || !IsWindowEnabled(button))
        return Fail("the message box offers no %s", request.arguments[0].c_str());
    PressButton(button);
    if (!WaitUntil(request.deadline, [&] { return !IsWindow(messageBox); }))
        return Fail("the message box stayed open");
    printf("answered %s\n", request.arguments[0].c_str());
    return true;
}

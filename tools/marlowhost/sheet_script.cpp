#include "sheet_script.h"

#include "control_lookup.h"
#include "picture_name.h"

#include "host/compstui_sheet.h"
#include "host/keystrokes.h"
#include "host/page_driving.h"
#include "host/window_picture.h"
#include "platform/property_sheet.h"

#include <commctrl.h>

#include <cwctype>

namespace marlow::host {
namespace {

const UINT kRunStepMessage = RegisterWindowMessageW(L"marlow.host.RunScriptStep");
constexpr UINT_PTR kScriptSubclassId = 0x5C41;
constexpr int kClosingTries = 3;

struct StepShape {
    const wchar_t* verb;
    std::size_t arguments;  // exactly this many (expect-message: at least one)
};

constexpr StepShape kStepShapes[] = {
    {L"page", 1},   {L"select", 2}, {L"click", 1}, {L"type", 2},           {L"item", 2},
    {L"apply", 0},  {L"ok", 0},     {L"cancel", 0}, {L"expect-message", 1}, {L"screenshot", 1},
    {L"key", 1},    {L"expect-focus", 1}};

std::wstring ToLower(std::wstring text) {
    for (wchar_t& c : text) c = static_cast<wchar_t>(std::towlower(c));
    return text;
}

bool IsPictureName(const std::wstring& name) {
    if (name.empty() || name.size() > 64 || name[0] == L'.') return false;
    for (wchar_t c : name) {
        const bool allowed = (c >= L'a' && c <= L'z') || (c >= L'A' && c <= L'Z') ||
                             (c >= L'0' && c <= L'9') || c == L'-' || c == L'_' || c == L'.';
        if (!allowed) return false;
    }
    return true;
}

std::wstring JoinWords(const std::vector<std::wstring>& words) {
    std::wstring joined;
    for (const std::wstring& word : words) joined += (joined.empty() ? L"" : L" ") + word;
    return joined;
}

// "Button 11011 "Boo&klet"": a window's class, number and text.
std::wstring DescribeWindow(HWND window) {
    WCHAR className[64] = {};
    GetClassNameW(window, className, 64);
    return std::wstring(className) + L" " + std::to_wstring(GetDlgCtrlID(window)) + L" \"" +
           ReadWindowText(window) + L"\"";
}

HWND FindCurrentPage(HWND sheet) {
    return reinterpret_cast<HWND>(SendMessageW(sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
}

}  // namespace

std::wstring CheckScriptSteps(const std::vector<ScriptStep>& steps) {
    for (const ScriptStep& step : steps) {
        const StepShape* shape = nullptr;
        for (const StepShape& known : kStepShapes) {
            if (step.verb == known.verb) shape = &known;
        }
        if (shape == nullptr) {
            return NameStep(step) + L": there is no step \"" + step.verb +
                   L"\" (page, select, click, type, key, item, apply, ok, cancel, expect-message, expect-focus, "
                   L"screenshot)";
        }
        const bool atLeast = step.verb == L"expect-message";
        if (atLeast ? step.arguments.size() < shape->arguments : step.arguments.size() != shape->arguments) {
            return NameStep(step) + L": \"" + step.verb + L"\" takes " +
                   (atLeast ? L"at least " : L"") + std::to_wstring(shape->arguments) +
                   L" argument(s), not " + std::to_wstring(step.arguments.size());
        }
        KeyChord chord;
        if (step.verb == L"key" && !ParseKeyChord(step.arguments[0], &chord)) {
            return NameStep(step) + L": there is no key \"" + step.arguments[0] +
                   L"\" (Tab, Shift+Tab, Ctrl+Tab, Down, Up, Left, Right, Home, End, PgUp, PgDn, "
                   L"Space, Enter, Esc, Backspace, Del, F4, a letter or digit, Alt+letter)";
        }
        if (step.verb == L"screenshot" && !IsPictureName(step.arguments[0])) {
            return NameStep(step) + L": a picture's name is letters, digits, '-', '_' and '.'";
        }
    }
    return std::wstring();
}

SheetScript::SheetScript(std::vector<ScriptStep> steps, DriverItemsPage& itemsPage,
                         std::wstring screenshotsDir, MessageBoxCatcher* catcher)
    : SheetScript(std::move(steps),
                  [&itemsPage](HWND, const std::wstring& item, const std::wstring& choice, std::wstring* problem) {
                      return itemsPage.ChooseItemOption(item, choice, problem);
                  },
                  std::move(screenshotsDir), catcher) {}

SheetScript::SheetScript(std::vector<ScriptStep> steps, ItemChooser chooseItem, std::wstring screenshotsDir,
                         MessageBoxCatcher* catcher)
    : steps_(std::move(steps)),
      chooseItem_(std::move(chooseItem)),
      screenshotsDir_(std::move(screenshotsDir)),
      catcher_(catcher) {}

void SheetScript::Start(HWND sheet, bool runSteps) {
    sheet_ = sheet;
    outcome_.pageTitles = ReadTabTitles(sheet);
    if (!screenshotsDir_.empty()) {
        for (std::size_t i = 0; i < outcome_.pageTitles.size(); ++i) {
            SendMessageW(sheet, PSM_SETCURSEL, i, 0);
            const std::wstring slug = MakePictureSlug(outcome_.pageTitles[i]);
            std::wstring problem;
            const std::wstring name = L"page-" + std::to_wstring(i + 1) + (slug.empty() ? L"" : L"-" + slug);
            if (!TakePicture(name, &problem)) {
                outcome_.failure = L"the picture of page " + std::to_wstring(i + 1) + L": " + problem;
            }
        }
        SendMessageW(sheet, PSM_SETCURSEL, 0, 0);
    }
    if (runSteps) {
        SetWindowSubclass(sheet, HandleSheetMessage, kScriptSubclassId, reinterpret_cast<DWORD_PTR>(this));
        PostNextStep();
    }
}

LRESULT CALLBACK SheetScript::HandleSheetMessage(HWND window, UINT message, WPARAM wParam,
                                                 LPARAM lParam, UINT_PTR, DWORD_PTR data) {
    if (message == kRunStepMessage) {
        reinterpret_cast<SheetScript*>(data)->RunNextStep();
        return 0;
    }
    if (message == WM_NCDESTROY) {
        RemoveWindowSubclass(window, HandleSheetMessage, kScriptSubclassId);
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

void SheetScript::PostNextStep() { PostMessageW(sheet_, kRunStepMessage, 0, 0); }

void SheetScript::RunNextStep() {
    // The keys of a key step have been handled: its Shift or Ctrl is let go.
    ReleaseModifierKeys();
    if (stopped_ || !outcome_.failure.empty() || next_ >= steps_.size()) {
        // Nothing more to do and the sheet is still open: the host closes it.
        stopped_ = true;
        if (++closingTries_ > kClosingTries) {
            PostQuitMessage(1);  // a sheet that will not close ends its loop
            return;
        }
        outcome_.bClosedByHost = outcome_.failure.empty();
        SendMessageW(sheet_, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
        PostNextStep();
        return;
    }
    const ScriptStep& step = steps_[next_];
    std::wstring problem;
    if (!RunStep(step, &problem)) {
        outcome_.failure = NameStep(step) + L": " + problem;
        stopped_ = true;
    } else {
        outcome_.stepsRun.push_back(NameStep(step));
        ++next_;
    }
    PostNextStep();
}

bool SheetScript::RunStep(const ScriptStep& step, std::wstring* problem) {
    const std::vector<std::wstring>& args = step.arguments;
    HWND page = FindCurrentPage(sheet_);
    if (step.verb == L"page") return SelectPage(args[0], problem);
    if (step.verb == L"item") return chooseItem_(sheet_, args[0], args[1], problem);
    if (step.verb == L"apply") {
        SendMessageW(sheet_, PSM_APPLY, 0, 0);
        return true;
    }
    if (step.verb == L"ok" || step.verb == L"cancel") {
        SendMessageW(sheet_, PSM_PRESSBUTTON, step.verb == L"ok" ? PSBTN_OK : PSBTN_CANCEL, 0);
        return true;
    }
    if (step.verb == L"expect-message") return ExpectMessage(JoinWords(args), problem);
    if (step.verb == L"screenshot") return TakePicture(args[0], problem);
    if (step.verb == L"key") {
        KeyChord chord;
        if (!ParseKeyChord(args[0], &chord)) return false;  // checked before the sheet opened
        PostKeyChord(sheet_, chord);
        return true;
    }
    if (step.verb == L"expect-focus") return ExpectFocus(page, args[0], problem);

    const ControlKind kind = step.verb == L"click"    ? ControlKind::kButton
                             : step.verb == L"select" ? ControlKind::kChoice
                                                      : ControlKind::kText;
    HWND control = page != nullptr ? FindControl(page, args[0], kind, problem) : nullptr;
    if (control == nullptr) return false;
    if (!IsWindowEnabled(control)) {
        *problem = L"\"" + args[0] + L"\" is disabled";
        return false;
    }
    const int id = GetDlgCtrlID(control);
    if (step.verb == L"click") {
        ClickControl(page, id);
        return true;
    }
    if (step.verb == L"select") return ChooseEntry(control, args[1], problem);
    // type: over the whole text, as a user who selected it first.
    SendMessageW(control, EM_SETSEL, 0, -1);
    if (args[1].empty()) {
        TypeCharacter(page, id, VK_BACK);
    } else {
        TypeText(page, id, args[1]);
    }
    return true;
}

bool SheetScript::SelectPage(const std::wstring& title, std::wstring* problem) {
    const std::vector<std::wstring> titles = ReadTabTitles(sheet_);
    for (std::size_t i = 0; i < titles.size(); ++i) {
        if (NormalizeLabel(titles[i]) != NormalizeLabel(title)) continue;
        SendMessageW(sheet_, PSM_SETCURSEL, i, 0);
        const auto wanted = reinterpret_cast<HWND>(SendMessageW(sheet_, PSM_INDEXTOHWND, i, 0));
        if (FindCurrentPage(sheet_) != wanted) {
            *problem = L"the page shown would not let go";
            return false;
        }
        // As after a click on the tab: the tabs have the focus, and Tab
        // goes on into the page.
        SetFocus(reinterpret_cast<HWND>(SendMessageW(sheet_, PSM_GETTABCONTROL, 0, 0)));
        return true;
    }
    std::wstring known;
    for (const std::wstring& text : titles) known += (known.empty() ? L"\"" : L", \"") + text + L"\"";
    *problem = L"no page \"" + title + L"\" (the sheet has " + known + L")";
    return false;
}

bool SheetScript::ExpectMessage(const std::wstring& words, std::wstring* problem) {
    const std::vector<CaughtMessageBox> boxes =
        catcher_ != nullptr ? catcher_->Boxes() : std::vector<CaughtMessageBox>();
    if (boxes.size() <= boxesSeen_) {
        *problem = L"no message box has appeared since the last expect-message";
        return false;
    }
    const CaughtMessageBox& last = boxes.back();
    boxesSeen_ = boxes.size();
    const std::wstring wanted = ToLower(words);
    if (ToLower(last.caption).find(wanted) == std::wstring::npos &&
        ToLower(last.text).find(wanted) == std::wstring::npos) {
        *problem = L"the last message box says \"" + last.caption + L": " + last.text + L"\"";
        return false;
    }
    return true;
}

bool SheetScript::TakePicture(const std::wstring& name, std::wstring* problem) {
    if (screenshotsDir_.empty()) {
        return true;  // no folder for pictures: the step has nothing to write
    }
    const std::wstring file = name + L".png";
    const HRESULT hr = SaveWindowAsPng(sheet_, screenshotsDir_ + L"\\" + file);
    if (FAILED(hr)) {
        *problem = L"the picture " + file + L" could not be written (error " +
                   std::to_wstring(static_cast<unsigned long>(hr)) + L")";
        return false;
    }
    outcome_.pictures.push_back(file);
    return true;
}

bool SheetScript::ExpectFocus(HWND page, const std::wstring& label, std::wstring* problem) {
    // The focus may sit inside a control (the edit or list of a combo box):
    // the page's child that holds it is the control.
    const HWND focus = GetFocus();
    HWND control = focus;
    while (control != nullptr && GetParent(control) != page) control = GetParent(control);
    if (page == nullptr || control == nullptr) {
        *problem = focus == nullptr ? L"no window has the focus"
                                    : L"the focus is outside the page, on " + DescribeWindow(focus);
        return false;
    }
    // The label names a control of the focused control's kind.
    WCHAR className[64] = {};
    GetClassNameW(control, className, 64);
    const std::wstring name = ToLower(className);
    const ControlKind kind = name == L"edit"     ? ControlKind::kText
                             : name == L"button" ? ControlKind::kButton
                                                 : ControlKind::kChoice;
    std::wstring notFound;
    const HWND wanted = FindControl(page, label, kind, &notFound);
    if (wanted != control) {
        *problem = L"the focus is on " + DescribeWindow(control) + (wanted == nullptr ? L", and " + notFound : L"");
        return false;
    }
    return true;
}

ScriptOutcome SheetScript::Finish() {
    if (sheet_ == nullptr && outcome_.failure.empty()) {
        outcome_.failure = L"the sheet did not come up";
    } else if (outcome_.failure.empty() && next_ < steps_.size()) {
        outcome_.failure = NameStep(steps_[next_]) + L": the sheet was closed by " +
                           (outcome_.stepsRun.empty() ? L"its user" : outcome_.stepsRun.back());
    }
    if (catcher_ != nullptr) outcome_.boxes = catcher_->Boxes();
    return outcome_;
}

}  // namespace marlow::host

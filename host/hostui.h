#pragma once
// What the shared host logic needs from a window system. The desktop front end implements it with
// Qt widgets; the headless front end answers from its script and prints what a window would show.
#include <string>

enum class HostBox {
    Plain,        // OK, no icon
    Info,         // OK, information icon
    Error,        // OK, stop icon
    Warning,      // OK, exclamation icon
    OkCancel,     // OK and Cancel
};

class HostUi {
public:
    virtual ~HostUi() = default;

    // Shows a message box and waits for it; true when it was answered with OK.
    virtual bool MessageBox(const std::string& text, const std::string& title, HostBox kind) = 0;
    // The file the host could not write, and why; told just before the error box that shows it, for a
    // front end that reports failures apart from its boxes.
    virtual void WriteFailed([[maybe_unused]] const std::string& path, [[maybe_unused]] const std::string& reason) {}
    virtual void SetMainTitle(const std::string& title) = 0;
    virtual void SetLcdWindowTitle(const std::string& title) = 0;
    // The main window's client height; the panel alone is 197 pixels high.
    virtual int ClientHeight() const = 0;
    virtual void SetClientHeight(int height) = 0;
    virtual bool LcdWindowVisible() const = 0;
    virtual void ShowLcdWindow(bool visible) = 0;
    // Exactly the model item of this track count gets a check mark.
    virtual void CheckModel(int tracks) = 0;
    // The host's pictures changed: repaint the windows from them (without erasing).
    virtual void Repaint() = 0;
    // Whether a window shows the enlarged LCD views; a front end without windows saves their drawing.
    virtual bool ShowsViews() const { return true; }
};

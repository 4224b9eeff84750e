#pragma once
// The port setup dialog: six lists (port, baud rate, data bits, stop bits,
// parity, flow control) bound to one port; OK writes the six choices to the
// port in one update bracket, Cancel leaves it as it was.
#include <functional>
#include <memory>

#include "serial/comselect.h"

namespace tv {

class TCustomComPort;

// What the dialog needs of its window.
class TComSetupView {
public:
    virtual ~TComSetupView() = default;
    // Combo1 to Combo6, in the order above.
    virtual TComSelect& Combo(int index) = 0;
    // Shows the window modally; true when it closed with OK.
    virtual bool ShowModal() = 0;
};

using TComSetupViewFactory = std::function<std::unique_ptr<TComSetupView>()>;
// The window that RunComSetupDialog creates; returns the one installed before.
// Without one, the dialog runs on TComSetupData.
TComSetupViewFactory SetComSetupViewFactory(TComSetupViewFactory factory);

// The setup window's lists without a window: each list as the stored window
// sets it (its kind, then its stored text). ShowModal asks OnShowModal, the
// person at the window, and counts as Cancel when nobody answers.
class TComSetupData : public TComSetupView {
public:
    TComSetupData();
    ~TComSetupData() override;
    TComSelect& Combo(int index) override;
    bool ShowModal() override;

    static std::function<bool(TComSetupData&)> OnShowModal;

private:
    struct List;
    std::unique_ptr<List> lists_[6];
};

// Runs the modal setup dialog for the port. An exception raised while the
// choices are applied passes to the caller.
void RunComSetupDialog(TCustomComPort* port);

} // namespace tv

#pragma once
// TOpenDialog and TSaveDialog: a modal window, built from the standard
// controls, that picks a file of the real file system. Filter is
// "description|mask;mask|description|mask..."; FilterIndex counts from 1.
#include <string>

#include "core/component.h"
#include "core/sets.h"

namespace tv {

enum TOpenOption { ofReadOnly, ofOverwritePrompt, ofHideReadOnly, ofNoChangeDir, ofFileMustExist, ofPathMustExist };
using TOpenOptions = TSet<TOpenOption>;

class TOpenDialog : public TComponent {
    TV_CLASS(TOpenDialog, TComponent)
public:
    explicit TOpenDialog(TComponent* owner = nullptr);
    static void Publish(TPublisher& p);

    const std::string& Filter() const { return filter_; }
    void SetFilter(const std::string& v) { filter_ = v; }
    int FilterIndex() const { return filterIndex_; }
    void SetFilterIndex(int v) { filterIndex_ = v; }
    const std::string& FileName() const { return fileName_; }
    void SetFileName(const std::string& v) { fileName_ = v; }
    const std::string& DefaultExt() const { return defaultExt_; }
    void SetDefaultExt(const std::string& v) { defaultExt_ = v; }
    const std::string& InitialDir() const { return initialDir_; }
    void SetInitialDir(const std::string& v) { initialDir_ = v; }
    const std::string& Title() const { return title_; }
    void SetTitle(const std::string& v) { title_ = v; }
    TOpenOptions Options() const { return options_; }
    void SetOptions(TOpenOptions v) { options_ = v; }

    // Shows the window modally; true when a file was chosen.
    virtual bool Execute();

protected:
    virtual bool Saving() const { return false; }

private:
    std::string filter_, fileName_, defaultExt_, initialDir_, title_;
    int filterIndex_ = 1;
    TOpenOptions options_{ofHideReadOnly};
};

class TSaveDialog : public TOpenDialog {
    TV_CLASS(TSaveDialog, TOpenDialog)
public:
    using TOpenDialog::TOpenDialog;
    static void Publish(TPublisher&) {}

protected:
    bool Saving() const override { return true; }
};

} // namespace tv

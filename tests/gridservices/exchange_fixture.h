#pragma once
// A shown form on the headless desktop with two data grids, each over its
// own client dataset of articles (code, name, price, date, note), message
// boxes answered by a script and recorded, and a temporary folder.
#include <gtest/gtest.h>

#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "framework/data/clientdataset.h"
#include "framework/data/datasource.h"
#include "framework/data/field.h"
#include "framework/ui/dialogs.h"
#include "framework/ui/forms.h"
#include "grid/dbgrideh.h"
#include "platform/window/timer.h"
#include "support/tempdir.h"

namespace tvtest {

class ExchangeTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    tv::TClientDataSet* NewArticles(const std::string& name);
    tv::TDBGridEh* NewGrid(const std::string& name, tv::TClientDataSet* data, int top);
    // The sample rows: accents, ñ, quotes, separators, a line break, nulls.
    void FillSample(tv::TClientDataSet* data);
    void Append(tv::TClientDataSet* data, int code, const char* name, double price, double date, const char* note);
    std::string Export(tv::TClass exporter, tv::TDBGridEh* grid, bool all);
    void Pump();
    tv::TBookmark MarkOf(tv::TClientDataSet* data, int code);
    std::string Field(tv::TClientDataSet* data, int code, const char* field);

    std::shared_ptr<tv::win::FakeClock> clock;
    tv::TForm* form = nullptr;
    tv::TClientDataSet* data = nullptr;
    tv::TDBGridEh* grid = nullptr;
    std::vector<std::string> said;
    std::deque<tv::TModalResult> answers;
    TempDir tmp;
};

// Runs a command and returns what it wrote.
std::string Sh(const std::string& command, int* rc = nullptr);
// Writes the bytes to a file in the folder and returns its path.
std::string Save(const TempDir& dir, const std::string& name, const std::string& bytes);

} // namespace tvtest

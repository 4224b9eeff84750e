#include "previewfixture.h"

#include <cstdio>

#include "platform/backend/headless.h"
#include "platform/controls/standardclasses.h"
#include "platform/window/desktop.h"
#include "platform/window/queue.h"
#include "support/headless_ui.h"

namespace tvtest {

using namespace tv;
using namespace tv::win;

void PreviewTest::SetUp() {
    clock = StartHeadlessUI();
    SetMessageHook([this](const TMessageRequest& r) {
        said.push_back(r.text);
        return r.buttons.Contains(mbOK) ? mrOk : mrCancel;
    });
}

void PreviewTest::TearDown() {
    SetMessageHook({});
    StopHeadlessUI();
}

void PreviewTest::Advance(int ms) {
    clock->Advance(std::uint64_t(ms));
    ProcessPendingMessages();
}

std::string Shell(const std::string& command, int* rc) {
    std::string out;
    FILE* p = ::popen((command + " 2>&1").c_str(), "r");
    if (!p) return out;
    char buf[4096];
    size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, p)) > 0) out.append(buf, n);
    int status = ::pclose(p);
    if (rc) *rc = status;
    return out;
}

std::string PdfInfo(const std::string& file) { return Shell("pdfinfo '" + file + "'"); }
std::string PdfText(const std::string& file) { return Shell("pdftotext -layout '" + file + "' -"); }

} // namespace tvtest

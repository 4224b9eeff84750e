#include "platform/printer/printers.h"

#include <cairo-pdf.h>
#include <cairo-ps.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <memory>

#include "core/exceptions.h"
#include "platform/gdi/dc.h"
#include "platform/gdi/devicecontext.h"

namespace tv::win {

// A CUPS destination's name holds no blank, so no queue can take this one.
const char* const kPdfPrinterName = "Archivo PDF";

struct PrinterJob {
    PrinterInfo printer;
    DEVMODE settings;
    std::string output;
    // The PDF being written, beside `output`, which it replaces when the
    // document ends; empty for a spooled job, written where `output` says.
    std::string partial;
    bool outputNamed = false; // else the file is named after the job's title
    std::string title;
    bool spool = false;
    bool inDoc = false;
    bool pageDirty = false;
    int pages = 0;
    double widthPt = 0, heightPt = 0; // the paper, in PDF points
};

namespace {

std::vector<std::string> RunLines(const std::string& command) {
    std::vector<std::string> lines;
    FILE* p = ::popen((command + " 2>/dev/null").c_str(), "r");
    if (!p) return lines;
    char buf[512];
    while (std::fgets(buf, sizeof buf, p)) {
        std::string s(buf);
        while (!s.empty() && (s.back() == '\n' || s.back() == '\r')) s.pop_back();
        if (!s.empty()) lines.push_back(s);
    }
    ::pclose(p);
    return lines;
}

bool HaveCommand(const char* name) {
    for (const char* dir : {"/usr/bin/", "/usr/local/bin/", "/bin/"})
        if (::access((std::string(dir) + name).c_str(), X_OK) == 0) return true;
    return false;
}

// A job title made safe as a file name.
std::string FileNameFor(const std::string& title) {
    std::string s;
    for (char c : title) s += (c == '/' || c == '\\' || c == ':' || c == '*' || c == '?' || c == '"') ? '_' : c;
    if (s.empty()) s = "documento";
    return s + ".pdf";
}

// Runs a program without a shell, so names from the spooler are never parsed.
int RunCommand(const std::vector<std::string>& args) {
    pid_t pid = ::fork();
    if (pid < 0) return -1;
    if (pid == 0) {
        std::vector<char*> argv;
        for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
        argv.push_back(nullptr);
        ::execvp(argv[0], argv.data());
        ::_exit(127);
    }
    int status = 0;
    if (::waitpid(pid, &status, 0) < 0) return -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

PrinterJob* Job(HDC dc) { return dc && dc->kind == DCKind::Printer ? dc->job : nullptr; }

// A file beside `target` that no other writer uses, in the same folder so that
// renaming it over the target replaces the target at once.
std::string PartialBeside(const std::string& target) {
    static unsigned count = 0;
    const std::filesystem::path path(target);
    const std::string name = path.filename().string().substr(0, 100);
    return (path.parent_path() /
            ("." + name + "." + std::to_string(::getpid()) + "-" + std::to_string(++count) + ".part"))
        .string();
}

} // namespace

std::vector<PrinterInfo> EnumPrinters() {
    std::vector<PrinterInfo> list{{kPdfPrinterName, "pdf", "FILE:"}};
    if (HaveCommand("lpstat"))
        for (const std::string& dest : RunLines("lpstat -e")) list.push_back({dest, "cups", dest});
    return list;
}

std::string DefaultPrinterName() {
    if (HaveCommand("lpstat"))
        for (const std::string& line : RunLines("lpstat -d")) {
            auto colon = line.find(": ");
            if (colon != std::string::npos && line.find("no system default") == std::string::npos)
                return line.substr(colon + 2);
        }
    return kPdfPrinterName;
}

DEVMODE DefaultDevMode(const std::string& printer) {
    DEVMODE dm;
    dm.dmDeviceName = printer;
    return dm;
}

static void ApplyGeometry(DeviceContext* dc, PrinterJob* job) {
    const DEVMODE& dm = job->settings;
    int dpi = dm.dmPrintQuality > 0 ? dm.dmPrintQuality : 600;
    double wmm = 210, hmm = 297;
    switch (dm.dmPaperSize) {
    case DMPAPER_LETTER: wmm = 215.9, hmm = 279.4; break;
    case DMPAPER_LEGAL: wmm = 215.9, hmm = 355.6; break;
    case DMPAPER_USER:
        if (dm.dmPaperWidth > 0 && dm.dmPaperLength > 0) wmm = dm.dmPaperWidth / 10.0, hmm = dm.dmPaperLength / 10.0;
        break;
    default: break;
    }
    if (dm.dmOrientation == DMORIENT_LANDSCAPE) std::swap(wmm, hmm);
    job->widthPt = wmm / 25.4 * 72;
    job->heightPt = hmm / 25.4 * 72;
    dc->dpiX = dc->dpiY = dpi;
    dc->physWidth = int(std::lround(wmm / 25.4 * dpi));
    dc->physHeight = int(std::lround(hmm / 25.4 * dpi));
    dc->offsetX = int(std::lround(130.0 * dpi / 600));
    dc->offsetY = int(std::lround(150.0 * dpi / 600));
    dc->width = dc->physWidth - 2 * dc->offsetX;
    dc->height = dc->physHeight - 2 * dc->offsetY;
    dc->originX = dc->offsetX;
    dc->originY = dc->offsetY;
    dc->deviceScale = 72.0 / dpi;
    dc->technology = DT_RASPRINTER;
}

HDC CreatePrinterDC(const std::string& printer, const DEVMODE* settings) {
    PrinterInfo info;
    bool found = false;
    for (const PrinterInfo& p : EnumPrinters())
        if (p.name == printer) {
            info = p;
            found = true;
        }
    if (!found) throw EPrinter("La impresora elegida no es válida: \"" + printer + "\"");
    auto* dc = new DeviceContext(DCKind::Printer);
    auto* job = new PrinterJob;
    job->printer = info;
    job->settings = settings ? *settings : DefaultDevMode(printer);
    dc->job = job;
    ApplyGeometry(dc, job);
    return dc;
}

void DeletePrinterJob(DeviceContext* dc) {
    if (!dc->job) return;
    if (dc->job->inDoc) AbortDoc(dc);
    delete dc->job;
    dc->job = nullptr;
}

int StartDoc(HDC dc, const DOCINFO& info) {
    PrinterJob* job = Job(dc);
    if (!job) return 0;
    if (job->inDoc) throw EPrinter("Ya hay una impresión en curso");
    job->spool = job->printer.driver == "cups";
    if (job->spool) {
        // The spool file goes where the session keeps its temporary files.
        std::string path = (std::filesystem::temp_directory_path() / "tallyvo-printXXXXXX").string();
        int fd = ::mkstemp(path.data());
        if (fd < 0) throw EPrinter("No se pudo crear el archivo de impresión para \"" + job->printer.name + "\"");
        ::close(fd);
        job->output = path;
        job->partial.clear();
    } else {
        // The file the user named changes only when the document is complete.
        job->outputNamed = !info.lpszOutput.empty() || !job->settings.outputFile.empty();
        job->output = !info.lpszOutput.empty()       ? info.lpszOutput
                      : !job->settings.outputFile.empty() ? job->settings.outputFile
                                                          : FileNameFor(info.lpszDocName);
        job->partial = PartialBeside(job->output);
    }
    const std::string& written = job->spool ? job->output : job->partial;
    // A queue gets PostScript: CUPS's filters turn a PDF of Cairo's into
    // pictures of its pages on the way (pdftopdf, then Ghostscript's ps2write
    // flattening the pages' transparency groups), while PostScript keeps its text.
    cairo_surface_t* s = job->spool ? cairo_ps_surface_create(written.c_str(), job->widthPt, job->heightPt)
                                    : cairo_pdf_surface_create(written.c_str(), job->widthPt, job->heightPt);
    if (cairo_surface_status(s) != CAIRO_STATUS_SUCCESS) {
        cairo_surface_destroy(s);
        std::error_code ec;
        if (!job->spool) std::filesystem::remove(written, ec);
        throw EPrinter("No se pudo escribir el documento impreso en \"" + job->output + "\"");
    }
    job->title = info.lpszDocName;
    // A queue names the job by the title lp gives it (EndDoc), which names the PDF a PDF queue writes too.
    if (!job->spool && !info.lpszDocName.empty())
        cairo_pdf_surface_set_metadata(s, CAIRO_PDF_METADATA_TITLE, info.lpszDocName.c_str());
    if (dc->cr) cairo_destroy(dc->cr);
    dc->surface = s;
    dc->cr = cairo_create(s);
    dc->clipDirty = true;
    job->inDoc = true;
    job->pages = 0;
    job->pageDirty = false;
    return 1;
}

int StartPage(HDC dc) {
    PrinterJob* job = Job(dc);
    if (!job || !job->inDoc) return 0;
    job->pageDirty = true;
    return 1;
}

int EndPage(HDC dc) {
    PrinterJob* job = Job(dc);
    if (!job || !job->inDoc) return 0;
    cairo_show_page(dc->cr);
    job->pages++;
    job->pageDirty = false;
    return 1;
}

static void CloseSurface(DeviceContext* dc) {
    if (dc->cr) cairo_destroy(dc->cr);
    dc->cr = nullptr;
    if (dc->surface) {
        cairo_surface_finish(dc->surface);
        cairo_surface_destroy(dc->surface);
    }
    dc->surface = nullptr;
}

int SetDocName(HDC dc, const std::string& name) {
    PrinterJob* job = Job(dc);
    if (!job || !job->inDoc) return 0;
    job->title = name;
    // PDF metadata on the PostScript of a queue would put the surface in error and drop every page.
    if (dc->surface && !job->spool) cairo_pdf_surface_set_metadata(dc->surface, CAIRO_PDF_METADATA_TITLE, name.c_str());
    return 1;
}

int EndDoc(HDC dc) {
    PrinterJob* job = Job(dc);
    if (!job || !job->inDoc) return 0;
    if (job->pageDirty) EndPage(dc);
    CloseSurface(dc);
    job->inDoc = false;
    if (!job->spool) {
        if (!job->outputNamed) job->output = FileNameFor(job->title);
        std::error_code ec;
        std::filesystem::rename(job->partial, job->output, ec);
        if (ec) {
            std::filesystem::remove(job->partial, ec);
            throw EPrinter("No se pudo escribir el documento impreso en \"" + job->output + "\"");
        }
    }
    if (job->spool) {
        int copies = std::max<int>(1, job->settings.dmCopies);
        // The queue shows the job under its title, not the spool file's name.
        std::string title = job->title.empty() ? "Documento" : job->title;
        int rc = RunCommand(
            {"lp", "-s", "-d", job->printer.name, "-n", std::to_string(copies), "-t", title, job->output});
        std::error_code ec;
        std::filesystem::remove(job->output, ec);
        if (rc != 0) throw EPrinter("La impresora \"" + job->printer.name + "\" no aceptó el documento");
    }
    return 1;
}

int AbortDoc(HDC dc) {
    PrinterJob* job = Job(dc);
    if (!job || !job->inDoc) return 0;
    CloseSurface(dc);
    job->inDoc = false;
    // Only what this document wrote goes: a file the user had stays.
    std::error_code ec;
    std::filesystem::remove(job->spool ? job->output : job->partial, ec);
    return 1;
}

std::string PrinterOutputFile(HDC dc) {
    PrinterJob* job = Job(dc);
    return job ? job->output : std::string();
}

} // namespace tv::win

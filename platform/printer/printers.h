#pragma once
// Printers: the list (a PDF printer that writes a file, always present, then
// every CUPS destination of the machine as it is named), their device settings, and printer
// device contexts that draw through Cairo into PDF. CUPS jobs are spooled
// with `lp` when the document ends.
#include <string>
#include <vector>

#include "platform/wintypes.h"

namespace tv::win {

constexpr short DMORIENT_PORTRAIT = 1, DMORIENT_LANDSCAPE = 2;
constexpr short DMPAPER_LETTER = 1, DMPAPER_LEGAL = 5, DMPAPER_A4 = 9, DMPAPER_USER = 256;

// Device settings. Sizes are in tenths of a millimetre, as in Windows.
struct DEVMODE {
    std::string dmDeviceName;
    short dmOrientation = DMORIENT_PORTRAIT;
    short dmPaperSize = DMPAPER_A4;
    short dmPaperLength = 2970;
    short dmPaperWidth = 2100;
    short dmCopies = 1;
    short dmPrintQuality = 600; // dots per inch
    std::string outputFile;     // the PDF printer's file; empty: the job title in the working folder
};

struct PrinterInfo {
    std::string name;   // kPdfPrinterName or the CUPS destination
    std::string driver; // "pdf" or "cups"
    std::string port;   // "FILE:" or the destination
};

// The name of the printer that writes PDF files.
extern const char* const kPdfPrinterName;

std::vector<PrinterInfo> EnumPrinters();
// The CUPS default destination when there is one, else the PDF printer.
std::string DefaultPrinterName();
// A4 portrait at 600 dpi, one copy.
DEVMODE DefaultDevMode(const std::string& printer);

// A printer device context; raises EPrinter for an unknown printer. Page
// geometry follows the device settings: the printable area is the paper less
// an unprintable border of 130 x 150 device pixels at 600 dpi on each side
// (scaled with the resolution).
HDC CreatePrinterDC(const std::string& printer, const DEVMODE* settings = nullptr);

struct DOCINFO {
    std::string lpszDocName;
    std::string lpszOutput; // a file to print to; wins over the settings
};

// Document control; each returns a positive value on success. StartDoc raises
// EPrinter when the output cannot be created. A PDF file is written beside the
// output and takes its place at EndDoc, so the output changes only when the
// document is complete; EndDoc hands a CUPS job to `lp` under the document's
// name and raises EPrinter when the spooler refuses it.
int StartDoc(HDC dc, const DOCINFO& info);
int StartPage(HDC dc);
int EndPage(HDC dc);
int EndDoc(HDC dc);
// Drops the document: nothing is written or spooled, and an output file that
// was there before stays as it was.
int AbortDoc(HDC dc);
// Renames the open document: its PDF title, the queue's name of the job and,
// for the PDF printer without an output file, the file's name.
int SetDocName(HDC dc, const std::string& name);
// The file the current or last document goes to.
std::string PrinterOutputFile(HDC dc);

} // namespace tv::win

#include "tools/songbook/exportcommand.h"
#include "tools/songbook/pdfexport.h"

namespace {

[[noreturn]] void RefusePdf() {
    throw TCommandFailure("PDF export needs the Qt build of songbook");
}

} // namespace

struct TPdfSession::TApplication {};

TPdfSession::TPdfSession() {
    RefusePdf();
}

TPdfSession::~TPdfSession() = default;

void SaveAsPdf(const TArtist&, const std::string&, const TRenderStyle&, TSongChange&, const TPdfRequest&) {
    RefusePdf();
}

void SaveAsPdf(const TSong&, const std::string&, const TRenderStyle&, TSongChange&, const TPdfRequest&) {
    RefusePdf();
}

void SaveAsPdf(const TSetBook&, const std::string&, const TRenderStyle&, TSongChange&, const TPdfRequest&) {
    RefusePdf();
}

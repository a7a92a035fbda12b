#include "engine/editing/RemarkWebDialogs.h"

#include "engine/core/Ansi.h"
#include "engine/macrotext/TagTable.h"

namespace kv {
namespace {

constexpr std::string_view kSiteScheme = "http://";
constexpr std::string_view kFtpScheme = "ftp://";

} // namespace

CommandOutcome OkButtonClick(const TDoRemarkFields& f) {
    std::string text = dialog::Field(f.comments, TDoRemarkFields::kCommentsLength);
    if (auto bad = dialog::CheckFreeText(text, "Comments"))
        return *bad;
    return dialog::Accept(Command::Remark, TStringRec{std::move(text)});
}

TDoWebStuffFields TDoWebStuffFields::New(bool ftp) {
    return {ftp, std::string(ftp ? kFtpScheme : kSiteScheme)};
}

CommandOutcome OkButtonClick(const TDoWebStuffFields& f) {
    std::string address = dialog::Field(f.progPath, kFreeTextMax);
    if (auto bad = dialog::CheckFreeText(address, "ProgPath"))
        return *bad;
    if (f.ftp)
        return dialog::Accept(Command::WebFtp, TStringRec{std::move(address)});
    // The player hands the address to the system as written, which needs the scheme.
    if (AnsiUpper(std::string_view(address).substr(0, 3)) == "WWW")
        address.insert(0, kSiteScheme);
    return dialog::Accept(Command::WebSite, TStringRec{std::move(address)});
}

} // namespace kv

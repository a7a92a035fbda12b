#pragma once
// `TDoRemark` and `TDoWebStuff`: a remark, a web site or an FTP address.

#include "engine/editing/CommandDialog.h"

namespace kv {

// `TDoRemark`: `Comments`.
struct TDoRemarkFields {
    static constexpr std::size_t kCommentsLength = 240;
    std::string comments{};

    static TDoRemarkFields From(const TStringRec& r) { return {r.text}; }
};
CommandOutcome OkButtonClick(const TDoRemarkFields& f);

// `TDoWebStuff` in site or FTP mode: `ProgPath`, the address.
struct TDoWebStuffFields {
    bool ftp = false;
    std::string progPath{};

    // The address control starts with the scheme of its mode.
    static TDoWebStuffFields New(bool ftp);
    static TDoWebStuffFields From(bool ftp, const TStringRec& r) { return {ftp, r.text}; }
};
CommandOutcome OkButtonClick(const TDoWebStuffFields& f);

} // namespace kv

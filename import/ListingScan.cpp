#include "import/ListingScan.h"

#include <algorithm>
#include <cstring>

#include "database/NameLists.h"

namespace velmora {
namespace {

// A number longer than the ranges below is out of all of them; capping it keeps the
// value from wrapping back into a range.
constexpr uint32_t kNumberCap = 1000000;
constexpr uint32_t kMinFrequency = 501;
constexpr uint32_t kMaxFrequency = 20000;
constexpr uint32_t kMinSymbolRate = 501;
constexpr uint32_t kMaxSymbolRate = 45000;

// 0 for "H" or "L", 1 for "V" or "R", -1 for anything else.
int PolarisationOf(int8_t c) {
    switch (c) {
        case 'H':
        case 'L':
            return 0;
        case 'V':
        case 'R':
            return 1;
        default:
            return -1;
    }
}

// The FEC index of a three-byte text; only the three-character names can match, so
// "Auto" never does. 0 when the text is none of them.
int FecIndexOf(const char* text) {
    const std::string_view three(text, 3);
    for (int i = 1; i < static_cast<int>(kFecNames.size()); ++i) {
        if (kFecNames[i] == three) return i;
    }
    return 0;
}

bool IsEndTag(const char* three) {
    return three[0] == '/' && three[1] == 'A' && three[2] == '>';
}

// A read position over the page. Bytes are taken as signed values, so everything from
// 0x80 up compares below "0".
class PageCursor {
public:
    explicit PageCursor(std::string_view page) : data_(page.data()), size_(page.size()) {}

    size_t pos() const { return pos_; }
    void Seek(size_t pos) { pos_ = std::min(pos, size_); }
    bool AtEnd() const { return pos_ >= size_; }

    // The next byte; false at the end of the page.
    bool Get(int8_t& c) {
        if (pos_ >= size_) return false;
        c = static_cast<int8_t>(data_[pos_++]);
        return true;
    }

    // Passes over bytes outside "1".."~" and consumes the first one inside.
    bool Skip(int8_t& c) {
        do {
            if (!Get(c)) return false;
        } while (c < 0x31 || c > 0x7E);
        return true;
    }

    // Reads up to n bytes into `out`; true when all n were there.
    bool Read(char* out, size_t n) {
        const size_t got = std::min(n, size_ - pos_);
        std::memcpy(out, data_ + pos_, got);
        pos_ += got;
        return got == n;
    }

    // Passes over bytes up to a "1".."9", reads the digits from there and consumes the
    // byte that ends them, returned in `end`. False when the page ends first.
    bool Number(uint32_t& value, int8_t& end) {
        while (pos_<size_&& static_cast<uint8_t>(data_[pos_] - '1')> 8) ++pos_;
        if (pos_ >= size_) return false;
        value = static_cast<uint32_t>(data_[pos_++] - '0');
        for (;;) {
            if (!Get(end)) return false;
            if (end < '0' || end > '9') return true;
            value = std::min(value * 10 + static_cast<uint32_t>(end - '0'), kNumberCap);
        }
    }

private:
    const char* data_;
    size_t size_;
    size_t pos_ = 0;
};

class Scanner {
public:
    Scanner(std::string_view page, Band band)
        : cursor_(page), band_(band), leads_to_next_header_(page.size() + 1, false) {}

    std::vector<ListingMatch> Run() {
        std::vector<ListingMatch> found;
        while (!cursor_.AtEnd()) {
            Header header;
            if (!FindHeader(header)) break;
            const size_t header_end = cursor_.pos();
            uint32_t rate = 0;
            int fec = 0;
            const RateOutcome outcome = FindRate(rate, fec);
            if (outcome == RateOutcome::End) break;
            if (outcome == RateOutcome::NextHeader) {
                // Back to right after this header so the next one is found as a header.
                cursor_.Seek(header_end);
                continue;
            }
            found.push_back({static_cast<uint16_t>(header.frequency), static_cast<uint16_t>(rate),
                             static_cast<uint8_t>(header.polarisation), static_cast<uint8_t>(fec)});
        }
        return found;
    }

private:
    struct Header {
        uint32_t frequency = 0;
        int polarisation = 0;
    };
    enum class RateOutcome { Found, NextHeader, End };

    bool FindHeader(Header& header) {
        return band_ == Band::C ? FindCHeader(header) : FindKuHeader(header);
    }

    // "3760</A> R<": a number closed by a link's end tag, then the polarisation.
    bool FindCHeader(Header& header) {
        for (;;) {
            uint32_t number = 0;
            int8_t end = 0;
            if (!cursor_.Number(number, end)) return false;
            if (end != '<' || number < kMinFrequency || number > kMaxFrequency) continue;
            char tag[3] = {};
            if (!cursor_.Read(tag, 3) || !IsEndTag(tag)) continue;
            int8_t c = 0;
            if (!cursor_.Skip(c)) return false;
            const int polarisation = PolarisationOf(c);
            if (polarisation < 0) continue;
            if (!cursor_.Get(c)) return false;
            if (c != '<') continue;
            header = {number, polarisation};
            return true;
        }
    }

    // "11747 H<": a number, a blank, the polarisation and a tag.
    bool FindKuHeader(Header& header) {
        for (;;) {
            uint32_t number = 0;
            int8_t end = 0;
            if (!cursor_.Number(number, end)) return false;
            if (end != ' ' || number < kMinFrequency || number > kMaxFrequency) continue;
            int8_t c = 0;
            if (!cursor_.Get(c)) return false;
            const int polarisation = PolarisationOf(c);
            if (polarisation < 0) continue;
            if (!cursor_.Get(c)) return false;
            if (c != '<') continue;
            header = {number, polarisation};
            return true;
        }
    }

    // "27500 -3/4" after the header, unless the next header comes first. Where the search
    // starts decides its outcome, so the starts of searches that ran into a next header
    // are remembered: a later search reaching one of them stops there. Without that, a
    // page of headers whose rates are hidden from this search rescans its rest once per
    // header.
    RateOutcome FindRate(uint32_t& rate, int& fec) {
        visited_.clear();
        for (;;) {
            const size_t top = cursor_.pos();
            if (leads_to_next_header_[top]) return NextHeaderReached();
            visited_.push_back(top);
            uint32_t number = 0;
            int8_t end = 0;
            if (!cursor_.Number(number, end)) return RateOutcome::End;
            if (end == ' ') {
                if (number < kMinSymbolRate || number > kMaxSymbolRate) continue;
                int8_t c = 0;
                if (!cursor_.Get(c)) return RateOutcome::End;
                if (c == '-') {
                    char text[3] = {};
                    if (!cursor_.Skip(c)) return RateOutcome::End;
                    text[0] = static_cast<char>(c);
                    cursor_.Read(text + 1, 2);
                    const int index = FecIndexOf(text);
                    if (index == 0) continue;
                    rate = number;
                    fec = index;
                    return RateOutcome::Found;
                }
                if (PolarisationOf(c) >= 0) return NextHeaderReached();
                continue;
            }
            if (end == '<' && band_ == Band::C) {
                const size_t after_tag_open = cursor_.pos();
                char tag[3] = {};
                if (!cursor_.Read(tag, 3) || !IsEndTag(tag)) {
                    cursor_.Seek(after_tag_open);
                    continue;
                }
                int8_t c = 0;
                if (!cursor_.Skip(c)) return RateOutcome::End;
                if (PolarisationOf(c) >= 0) return NextHeaderReached();
            }
        }
    }

    RateOutcome NextHeaderReached() {
        for (size_t p : visited_) leads_to_next_header_[p] = true;
        return RateOutcome::NextHeader;
    }

    PageCursor cursor_;
    Band band_;
    std::vector<bool> leads_to_next_header_;
    std::vector<size_t> visited_;
};

}  // namespace

std::vector<ListingMatch> ScanListingPage(std::string_view page, Band band) {
    return Scanner(page, band).Run();
}

}  // namespace velmora

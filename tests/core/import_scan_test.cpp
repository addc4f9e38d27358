// The transponder scan of saved listing pages, on small pages made here.

#include <gtest/gtest.h>

#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "import/ListingScan.h"

namespace velmora {

void PrintTo(const ListingMatch& m, std::ostream* os) {
    *os << "{" << m.frequency << ", " << m.symbol_rate << ", pol " << int(m.polarisation)
        << ", fec " << int(m.fec) << "}";
}

namespace {

using Matches = std::vector<ListingMatch>;

Matches ScanC(std::string_view page) {
    return ScanListingPage(page, Band::C);
}
Matches ScanKu(std::string_view page) {
    return ScanListingPage(page, Band::Ku);
}

TEST(ListingScan, CBandExampleMatches) {
    EXPECT_EQ(ScanC("<td><A HREF=x>3760</A> R</td><td>x</td><td>27500 -3/4</td>"),
              (Matches{{3760, 27500, 1, 3}}));
}

TEST(ListingScan, KuBandExampleMatches) {
    EXPECT_EQ(ScanKu("<td>11747 H</td><td>DVB-S</td><td>27500 -5/6</td>"),
              (Matches{{11747, 27500, 0, 4}}));
}

TEST(ListingScan, EachBandFindsOnlyItsOwnHeaders) {
    const std::string page = "3760</A> R< 27500 -3/4 ... 11747 H< 22000 -5/6";
    EXPECT_EQ(ScanC(page), (Matches{{3760, 27500, 1, 3}}));
    EXPECT_EQ(ScanKu(page), (Matches{{11747, 22000, 0, 4}}));
}

TEST(ListingScan, PolarisationLetters) {
    EXPECT_EQ(ScanKu("11747 L< 27500 -1/2 11766 R< 27500 -2/3 11785 V< 27500 -7/8"),
              (Matches{{11747, 27500, 0, 1}, {11766, 27500, 1, 2}, {11785, 27500, 1, 5}}));
    EXPECT_TRUE(ScanKu("11747 X< 27500 -1/2").empty());
    EXPECT_TRUE(ScanC("3760</A> h< 27500 -1/2").empty());
}

TEST(ListingScan, FrequencyBounds) {
    EXPECT_TRUE(ScanKu("500 H< 27500 -3/4").empty());
    EXPECT_TRUE(ScanKu("20001 H< 27500 -3/4").empty());
    EXPECT_EQ(ScanKu("501 H< 27500 -3/4").size(), 1u);
    EXPECT_EQ(ScanKu("20000 H< 27500 -3/4").size(), 1u);
    EXPECT_TRUE(ScanC("500</A> H< 27500 -3/4").empty());
    EXPECT_TRUE(ScanC("20001</A> H< 27500 -3/4").empty());
    EXPECT_EQ(ScanC("501</A> H< 27500 -3/4").size(), 1u);
    EXPECT_EQ(ScanC("20000</A> H< 27500 -3/4").size(), 1u);
}

TEST(ListingScan, SymbolRateBounds) {
    EXPECT_EQ(ScanKu("11747 H< 500 -3/4"), Matches{});
    EXPECT_EQ(ScanKu("11747 H< 45001 -3/4"), Matches{});
    EXPECT_EQ(ScanKu("11747 H< 45000 -3/4"), (Matches{{11747, 45000, 0, 3}}));
    EXPECT_EQ(ScanKu("11747 H< 501 -3/4"), (Matches{{11747, 501, 0, 3}}));
}

TEST(ListingScan, RefusedRateLetsSearchGoOn) {
    EXPECT_EQ(ScanKu("11747 H< 45001 -3/4 22000 -5/6"), (Matches{{11747, 22000, 0, 4}}));
    // A rate followed by neither "-" nor a polarisation is passed over too.
    EXPECT_EQ(ScanKu("11747 H< 27500 x 22000 -5/6"), (Matches{{11747, 22000, 0, 4}}));
}

TEST(ListingScan, AutoNeverMatches) {
    EXPECT_EQ(ScanKu("11747 H< 27500 -Auto"), Matches{});
    EXPECT_EQ(ScanKu("11747 H< 27500 -Auto 22000 -3/4"), (Matches{{11747, 22000, 0, 3}}));
}

TEST(ListingScan, UnknownFecLetsSearchGoOn) {
    EXPECT_EQ(ScanKu("11747 H< 27500 -9/9 22000 -7/8"), (Matches{{11747, 22000, 0, 5}}));
    EXPECT_EQ(ScanKu("11747 H< 27500 -3/5"), Matches{});
}

TEST(ListingScan, SkipPassesLowAndHighBytes) {
    // Bytes up to "0", DEL and everything from 0x80 up are passed over.
    EXPECT_EQ(ScanC("3760</A>\xA0\xB0\x7F 0V< 27500 -\xA0\t 3/4"), (Matches{{3760, 27500, 1, 3}}));
    // The Ku polarisation must follow the blank directly.
    EXPECT_EQ(ScanKu("11747  H< 27500 -3/4"), Matches{});
}

TEST(ListingScan, HeaderFollowedDirectlyByNextHeaderGivesOnlyTheNext) {
    EXPECT_EQ(ScanKu("11747 H<td>11766 V<td>27500 -3/4"), (Matches{{11766, 27500, 1, 3}}));
    EXPECT_EQ(ScanC("3760</A> R<td>3780</A> L<td>27500 -3/4"), (Matches{{3780, 27500, 0, 3}}));
    // In the C-band pass a Ku-band header ends the rate search as well.
    EXPECT_EQ(ScanC("3760</A> R<td>11747 H<td>27500 -3/4"), Matches{});
}

TEST(ListingScan, CRateSearchStepsBackAfterTagThatIsNoLinkEnd) {
    // "12<b>2": the search resumes right after "<", so 27500 is read whole.
    EXPECT_EQ(ScanC("3760</A> R< 12<b>27500 -3/4"), (Matches{{3760, 27500, 1, 3}}));
}

TEST(ListingScan, CRateSearchStopsAtLinkedNumberWithPolarisation) {
    EXPECT_EQ(ScanC("3760</A> R< 12</A> V 27500 -3/4"), Matches{});
    // Any other byte after the link lets the search go on.
    EXPECT_EQ(ScanC("3760</A> R< 12</A> X 27500 -3/4"), (Matches{{3760, 27500, 1, 3}}));
}

TEST(ListingScan, KuRateSearchPassesOverLinkedNumbers) {
    EXPECT_EQ(ScanKu("11747 H< 12</A> V 27500 -3/4"), (Matches{{11747, 27500, 0, 3}}));
}

TEST(ListingScan, EveryMatchIsKeptEvenWithSameFrequency) {
    EXPECT_EQ(ScanKu("11747 H< 27500 -3/4 11747 H< 27500 -3/4").size(), 2u);
}

TEST(ListingScan, TruncatedPagesGiveNoMatch) {
    for (const char* page : {"", "1", "11747", "11747 ", "11747 H", "11747 H<", "11747 H< 275",
                             "11747 H< 27500", "11747 H< 27500 -", "11747 H< 27500 -3/"}) {
        EXPECT_EQ(ScanKu(page), Matches{}) << page;
    }
    for (const char* page : {"3760", "3760<", "3760</A", "3760</A> ", "3760</A> R",
                             "3760</A> R< 27500 -3", "3760</A> R< 12<", "3760</A> R< 12</"}) {
        EXPECT_EQ(ScanC(page), Matches{}) << page;
    }
}

TEST(ListingScan, OverlongNumberIsNoFrequency) {
    // 4294979043 is 2^32 + 11747: a number read into 32 bits would wrap into range.
    EXPECT_EQ(ScanKu("4294979043 H< 27500 -3/4"), Matches{});
    EXPECT_EQ(ScanKu("11747 H< 4294994796 -3/4"), Matches{});
}

TEST(ListingScan, StaysLinearOnHeadersWhoseRatesAreHidden) {
    // Every "9999 H<" is a header whose rate search runs to the last header; read naively
    // that rescans the rest of the page once per header.
    std::string page = "11747 H<";
    while (page.size() < 1'000'000) page += "27500 -9999 H<";
    page += "12000 H< 27500 -3/4";
    const Matches found = ScanKu(page);
    EXPECT_EQ(found, (Matches{{12000, 27500, 0, 3}}));
}

// --- The scan as first described: a byte reader over the file, one byte per read ---------

class ByteReader {
public:
    ~ByteReader() { Close(); }
    // Over a page in memory, so that thousands of pages cost no disk traffic.
    bool Open(std::string& page) {
        file_ = page.empty() ? nullptr : fmemopen(page.data(), page.size(), "r");
        return file_ != nullptr;
    }
    long Length() {
        const long here = std::ftell(file_);
        std::fseek(file_, 0, SEEK_END);
        const long length = std::ftell(file_);
        std::fseek(file_, here, SEEK_SET);
        return length;
    }
    long Position() { return std::ftell(file_); }
    size_t Read(void* out, size_t n) { return std::fread(out, 1, n, file_); }
    void Seek(long position) { std::fseek(file_, position, SEEK_SET); }
    void Close() {
        if (file_) std::fclose(file_);
        file_ = nullptr;
    }

private:
    std::FILE* file_ = nullptr;
};

Matches ReferenceScan(std::string page, Band band) {
    ByteReader in;
    Matches found;
    if (!in.Open(page)) return found;
    auto get = [&](signed char& c) { return in.Read(&c, 1) == 1; };
    auto skip = [&](signed char& c) {
        for (;;) {
            if (!get(c)) return false;
            if (c >= 0x31 && c <= 0x7E) return true;
        }
    };
    auto number = [&](uint32_t& value, signed char& end) {
        signed char c;
        do {
            if (!skip(c)) return false;
        } while (c < '1' || c > '9');
        value = c - '0';
        for (;;) {
            if (!get(c)) return false;
            if (c < '0' || c > '9') break;
            value = std::min<uint32_t>(value * 10 + (c - '0'), 1000000);
        }
        end = c;
        return true;
    };
    auto polarisation = [](signed char c) {
        return c == 'H' || c == 'L' ? 0 : c == 'V' || c == 'R' ? 1 : -1;
    };
    auto read_three = [&](char* three) {
        three[0] = three[1] = three[2] = 0;
        return in.Read(three, 3) == 3;
    };
    const char* fec_names[] = {"1/2", "2/3", "3/4", "5/6", "7/8"};

    while (in.Position() < in.Length()) {
        uint32_t frequency = 0;
        int pol = -1;
        for (;;) {  // the header
            uint32_t n;
            signed char end, c;
            if (!number(n, end)) return found;
            if (band == Band::C) {
                if (end != '<' || n < 501 || n > 20000) continue;
                char three[3];
                if (!read_three(three) || std::string(three, 3) != "/A>") continue;
                if (!skip(c)) return found;
            } else {
                if (end != ' ' || n < 501 || n > 20000) continue;
                if (!get(c)) return found;
            }
            pol = polarisation(c);
            if (pol < 0) continue;
            if (!get(c)) return found;
            if (c != '<') continue;
            frequency = n;
            break;
        }
        const long header_end = in.Position();
        for (;;) {  // the rate
            uint32_t n;
            signed char end, c;
            if (!number(n, end)) return found;
            if (end == ' ') {
                if (n < 501 || n > 45000) continue;
                if (!get(c)) return found;
                if (c == '-') {
                    char text[3] = {};
                    if (!skip(c)) return found;
                    text[0] = c;
                    in.Read(text + 1, 2);
                    int fec = 0;
                    for (int i = 0; i < 5; ++i) {
                        if (std::string(text, 3) == fec_names[i]) fec = i + 1;
                    }
                    if (fec == 0) continue;
                    found.push_back({static_cast<uint16_t>(frequency), static_cast<uint16_t>(n),
                                     static_cast<uint8_t>(pol), static_cast<uint8_t>(fec)});
                    break;
                }
                if (polarisation(c) >= 0) {
                    in.Seek(header_end);
                    break;
                }
                continue;
            }
            if (end == '<' && band == Band::C) {
                const long after = in.Position();
                char three[3];
                if (!read_three(three) || std::string(three, 3) != "/A>") {
                    in.Seek(after);
                    continue;
                }
                if (!skip(c)) return found;
                if (polarisation(c) >= 0) {
                    in.Seek(header_end);
                    break;
                }
            }
        }
    }
    return found;
}

// Pages built from the pieces the patterns care about, whole and broken, in random order.
std::string RandomPage(std::mt19937& rng) {
    static const std::vector<std::string> pieces = {
        "3760</A> R<", "3780</A> H<", "11747 H<", "11766 V<", " 27500 -3/4", " 22000 -5/6",
        // A blank and "-" before a header hide it from the rate search, not from the next
        // header search.
        " 27500 -", " 27500 -", "-9999 H<", "3760", "11747", "27500", "500", "501", "20000",
        "20001", "45000", "45001", "0", "07", "12", "9", "</A>", "</a>", "/A>", "<", ">", " ", "  ",
        "H", "V", "L", "R", "X", "-", "-3/4", "-5/6", "-Auto", "- 7/8", "-9/9", "\xB0", "\x80",
        "\xFF", "\x7F", "\n", "<td>", "1/2", "A", "2/3"};
    std::uniform_int_distribution<size_t> pick(0, pieces.size() - 1);
    std::uniform_int_distribution<int> length(0, 80);
    std::uniform_int_distribution<int> byte(0, 255);
    std::string page;
    const int n = length(rng);
    for (int i = 0; i < n; ++i) {
        if (byte(rng) < 8) {
            page.push_back(static_cast<char>(byte(rng)));
        } else {
            page += pieces[pick(rng)];
        }
    }
    return page;
}

TEST(ListingScan, InMemoryScanEqualsByteReader) {
    std::mt19937 rng(7);
    int with_matches = 0;
    for (int round = 0; round < 20000; ++round) {
        const std::string page = RandomPage(rng);
        for (Band band : {Band::C, Band::Ku}) {
            const Matches expected = ReferenceScan(page, band);
            with_matches += !expected.empty();
            ASSERT_EQ(ScanListingPage(page, band), expected)
                << "round " << round << (band == Band::C ? " C" : " Ku") << " page: " << page;
        }
    }
    // The pages must exercise matches, not only misses.
    EXPECT_GT(with_matches, 4000);
}

}  // namespace
}  // namespace velmora

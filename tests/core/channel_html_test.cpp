// The channel list as an HTML page: escaped text, the printout's columns with the group
// names as titles, nothing that runs.

#include <gtest/gtest.h>

#include "channels/ChannelList.h"
#include "exchange/ChannelHtml.h"
#include "tests/core/TestDatabases.h"

namespace velmora {
namespace {

size_t Count(const std::string& text, std::string_view what) {
    size_t n = 0;
    for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
    return n;
}

TEST(EscapeHtml, MarkupCharactersBecomeReferences) {
    EXPECT_EQ(EscapeHtml("a<b>&\"c\"'d'"), "a&lt;b&gt;&amp;&quot;c&quot;&#39;d&#39;");
    EXPECT_EQ(EscapeHtml("S\xC3\xBC"
                         "d &amp;"),
              "S\xC3\xBC"
              "d &amp;amp;")
        << "escaped once more";
    EXPECT_EQ(EscapeHtml(""), "");
}

TEST(ChannelHtml, OneSelfContainedPageWithBothTables) {
    auto db = testing::MakeSmallDatabase();
    db->tv[0].set_name("<b>&Co</b>");
    db->tv[1].set_locked(1);
    db->settings.set_fav_name(0, "Kinder & \xDC");
    const std::string page = ChannelsHtml(*db, ChannelTables::Both, AllListColumns(), "my<db>.sdx");
    EXPECT_EQ(page.rfind("<!DOCTYPE html>", 0), 0u);
    EXPECT_NE(page.find("<meta charset=\"utf-8\">"), std::string::npos);
    EXPECT_NE(page.find("<h1>my&lt;db&gt;.sdx</h1>"), std::string::npos);
    EXPECT_EQ(page.find("<script"), std::string::npos);
    EXPECT_EQ(page.find("<link"), std::string::npos) << "no outside style sheet";
    EXPECT_NE(page.find("@media print"), std::string::npos);
    EXPECT_EQ(Count(page, "<table>"), 2u);
    EXPECT_EQ(Count(page, "<tr>"), 2u + 5u) << "two header rows, five channels";
    EXPECT_NE(page.find("<td>&lt;b&gt;&amp;Co&lt;/b&gt;</td>"), std::string::npos);
    EXPECT_EQ(page.find("<b>"), std::string::npos);
    // The printout's headers, the group's name as its column title (FAVn while unnamed).
    EXPECT_NE(page.find("<th>Index</th><th>Name</th><th>FTA/CAS</th><th>Lock</th><th>Video "
                        "PID</th><th>Audio PID</th><th>PCR PID</th><th>TXT PID</th><th>Kinder "
                        "&amp; \xC3\x9C</th>"),
              std::string::npos);
    // Cells as the list shows them.
    EXPECT_NE(page.find("<td class=\"mark\">Lock</td>"), std::string::npos);
    EXPECT_NE(page.find("<td class=\"mark\">Yes</td>"), std::string::npos);
    EXPECT_NE(page.find("<td>Kanal S\xC3\xBC"
                        "d</td>"),
              std::string::npos);
}

TEST(ChannelHtml, ShowsOnlyTheGivenTableAndColumns) {
    auto db = testing::MakeSmallDatabase();
    const std::string page =
        ChannelsHtml(*db, ChannelTables::Radio, {kColIndex, kColName, kColLock}, "x");
    EXPECT_EQ(Count(page, "<table>"), 1u);
    EXPECT_NE(page.find("Radio channels"), std::string::npos);
    EXPECT_EQ(page.find("TV channels"), std::string::npos);
    EXPECT_EQ(Count(page, "<th>"), 3u);
    EXPECT_NE(page.find("<td>Wave FM</td>"), std::string::npos);
}

}  // namespace
}  // namespace velmora

#include "support/GuideLink.h"

#include <gtest/gtest.h>

TEST(GuideLink, FileUrlKeepsTheAnchorApartFromThePath) {
    const std::pair<std::string, std::string> cases[] = {
        {"C:\\Corvix\\Corvix.html", "file:///C:/Corvix/Corvix.html#a"},
        {"C:\\Program Files\\100% #1?\\Corvix.html",
         "file:///C:/Program%20Files/100%25%20%231%3F/Corvix.html#a"},
        {"\\\\server\\share\\Corvix.html", "file://server/share/Corvix.html#a"},
        // Characters of the code page pass unchanged ("Übersicht").
        {"D:\\\xDC"
         "bersicht\\Corvix.html",
         "file:///D:/\xDC"
         "bersicht/Corvix.html#a"},
    };
    for (const auto& [path, url] : cases)
        EXPECT_EQ(FileUrl(path, "a"), url) << path;
    EXPECT_EQ(FileUrl("C:\\x.html", ""), "file:///C:/x.html");
}

TEST(GuideLink, BrowserGetsTheUrlWhereItsCommandTakesTheFile) {
    const std::string url = "file:///C:/Corvix/Corvix.html#context-40";
    struct Case {
        std::string command, program, parameters;
    } cases[] = {
        {"\"C:\\Program Files\\Mozilla Firefox\\firefox.exe\" -osint -url \"%1\"",
         "C:\\Program Files\\Mozilla Firefox\\firefox.exe", "-osint -url \"" + url + "\""},
        {"\"C:\\Edge\\msedge.exe\" --single-argument %1", "C:\\Edge\\msedge.exe",
         "--single-argument " + url},
        {"C:\\Program Files\\Internet Explorer\\iexplore.exe -nohome",
         "C:\\Program Files\\Internet Explorer\\iexplore.exe", "-nohome \"" + url + "\""},
        {"C:\\Program Files\\Opera\\opera.exe", "C:\\Program Files\\Opera\\opera.exe",
         "\"" + url + "\""},
        {"  browser %L %*  ", "browser", url},
        {"rundll32.exe url.dll,FileProtocolHandler %1", "rundll32.exe",
         "url.dll,FileProtocolHandler " + url},
        {"\"C:\\Unclosed\\b.exe %1", "C:\\Unclosed\\b.exe %1", "\"" + url + "\""},
    };
    for (const Case& c : cases) {
        const TCommandLine line = BrowserCommandLine(c.command, url);
        EXPECT_EQ(line.program, c.program) << c.command;
        EXPECT_EQ(line.parameters, c.parameters) << c.command;
    }
}

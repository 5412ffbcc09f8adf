// The escaping, encoding and folder-name checks every page and the export command rely on.
#include "reports/html_text.h"

#include <gtest/gtest.h>

TEST(HtmlText, EscapesTheFourMarkupCharactersAndNothingElse)
{
    EXPECT_EQ(htmlEscape("<b>Novák & \"syn\"</b> 'x'"), "&lt;b&gt;Novák &amp; &quot;syn&quot;&lt;/b&gt; 'x'");
    EXPECT_EQ(htmlEscape(""), "");
}

TEST(HtmlText, WebAddressesGetHttpOnlyWithoutASchemeAndAreEncoded)
{
    EXPECT_EQ(webAddressHref("www.novak.cz"), "http://www.novak.cz");
    EXPECT_EQ(webAddressHref("http://novak.cz"), "http://novak.cz");
    EXPECT_EQ(webAddressHref("HTTPS://novak.cz/a?b=1&c=2"), "HTTPS://novak.cz/a?b=1&amp;c=2");
    EXPECT_EQ(webAddressHref("ftp://novak.cz"), "ftp://novak.cz");
    EXPECT_EQ(webAddressHref("javascript:alert(1)"), "http://javascript:alert(1)");
    EXPECT_EQ(webAddressHref("novak.cz/rodokmen Nováků"), "http://novak.cz/rodokmen%20Nov%C3%A1k%C5%AF");
    EXPECT_EQ(webAddressHref("a\"><script>"), "http://a%22%3E%3Cscript%3E");
    EXPECT_EQ(mailHref("jan novák@x.cz"), "mailto:jan%20nov%C3%A1k@x.cz");
}

TEST(HtmlText, OnlyHttpFtpAndMailtoAddressesBecomeLinks)
{
    for (const char* script : {"javascript://%0Aalert(1)", "JavaScript://x", "data://text/html,x",
                               "file:///etc/passwd", "vbscript://x"})
        EXPECT_EQ(webAddressHref(script), "") << script;
    EXPECT_EQ(webAddressHref("mailto:jan@novak.cz"), "mailto:jan@novak.cz");
    EXPECT_EQ(webAddressHref("novak.cz:8080/rod"), "http://novak.cz:8080/rod");
}

TEST(HtmlText, OnlyAPlainNameIsASubfolderName)
{
    for (const char* good : {"rodokmen", " rodokmen ", "Rod Nováků", "a.b", "..."})
        EXPECT_TRUE(isPlainFolderName(good)) << good;
    for (const char* bad : {"", ".", "..", "a/b", "/tmp", "..\\x", "a\\b", "a\nb"})
        EXPECT_FALSE(isPlainFolderName(bad)) << bad;
}

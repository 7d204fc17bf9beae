#include "Cp1252.h"
#include "StrngLib.h"

#include <gtest/gtest.h>

TEST(Cp1252, EveryByteSurvivesARoundTrip) {
    std::string all;
    for (int i = 0; i < 256; ++i)
        all += char(i);
    EXPECT_EQ(Utf8ToCp1252(Cp1252ToUtf8(all)), all);
}

TEST(Cp1252, ConvertsWesternLetters) {
    EXPECT_EQ(Cp1252ToUtf8("Bater\xED"
                           "a \x85 \x80"),
              "Batería … €");
    EXPECT_EQ(Utf8ToCp1252("Disposición … €"), "Disposici\xF3n \x85 \x80");
    EXPECT_EQ(Utf8ToCp1252("漢 \xFF"), "? ?");
}

TEST(StrngLib, CaseTrimAndLines) {
    EXPECT_EQ(UpperCase("aBc\xE9"), "ABC\xE9");
    EXPECT_TRUE(SameText("dlgError", "DLGERROR"));
    EXPECT_FALSE(SameText("dlgError", "dlgError "));
    EXPECT_EQ(Trim("\t a b \r\n"), "a b");
    EXPECT_EQ(SplitLines("a\r\nb\rc\nd\r\n"), (std::vector<std::string>{"a", "b", "c", "d"}));
    EXPECT_EQ(SplitLines("\r\n\r\n"), (std::vector<std::string>{"", ""}));
}

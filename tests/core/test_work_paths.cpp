// Class folder names keep every letter of the Windows-1251 page.
#include <gtest/gtest.h>

#include "core/WorkPaths.h"

TEST(ClassDirectoryName, AllLettersOfTheCodePageAreKept) {
    EXPECT_EQ(core::classDirectoryName("Ґрунтові ґедзі"), "Ґрунтові ґедзі");
    EXPECT_EQ(core::classDirectoryName("Їжаки Єві ЎўЁё Ђђ Џџ"), "Їжаки Єві ЎўЁё Ђђ Џџ");
    EXPECT_EQ(core::classDirectoryName("µ-Algae"), "µ_Algae");
}

TEST(ClassDirectoryName, OtherCharactersBecomeUnderscores) {
    EXPECT_EQ(core::classDirectoryName("Insecta (s.l.) 2"), "Insecta _s_l__ 2");
    EXPECT_EQ(core::classDirectoryName("Géry"), "G_ry");       // é is a letter, but not of this page
    EXPECT_EQ(core::classDirectoryName("Ѐ№Ѝ"), "___");         // Cyrillic letters the page lacks, and №
    EXPECT_EQ(core::classDirectoryName("魚"), "_");
}

#include "textview/configtextstate.h"

#include <gtest/gtest.h>

TEST(ConfigTextState, AlternateViewerDisablesSearchAndPosition) {
    ConfigTextState state;
    EXPECT_FALSE(state.searchButtonsEnabled());
    EXPECT_FALSE(state.switchVisible());

    state.enterPage();
    EXPECT_TRUE(state.searchButtonsEnabled());
    EXPECT_TRUE(state.showsPosition());
    EXPECT_EQ(state.switchHint(), QStringLiteral("Use Alternate Viewer"));

    state.toggleViewer();
    EXPECT_FALSE(state.searchButtonsEnabled());
    EXPECT_FALSE(state.showsPosition());
    EXPECT_TRUE(state.switchVisible());
    EXPECT_EQ(state.switchHint(), QStringLiteral("Use Main Viewer"));

    // Leaving and entering the page keeps the alternate viewer and its disabled buttons.
    state.leavePage();
    EXPECT_FALSE(state.switchVisible());
    state.enterPage();
    EXPECT_FALSE(state.searchButtonsEnabled());

    state.showMainViewer();
    EXPECT_TRUE(state.searchButtonsEnabled());
}

TEST(ConfigTextState, StatusAndResolutionTexts) {
    EXPECT_EQ(ConfigTextState::positionText(119, 6), QStringLiteral("120:7"));
    EXPECT_EQ(ConfigTextState::resolutionMessage(96, 96),
              QStringLiteral("Screen PPI = 96\r\nForm PPI = 96\r\nFonts = SMALL fonts"));
    EXPECT_EQ(ConfigTextState::resolutionMessage(120, 96),
              QStringLiteral("Screen PPI = 120\r\nForm PPI = 96\r\nFonts = LARGE fonts"));
    EXPECT_EQ(ConfigTextState::resolutionMessage(144, 96),
              QStringLiteral("Screen PPI = 144\r\nForm PPI = 96\r\nFonts = xxx"));
}

#include "HostedPlugin.h"

#include <cstdlib>

namespace
{
// The zoom a user chose in an earlier session, in the plug-in's per-user settings beside its preset folder.
class RememberedZoom
{
public:
    explicit RememberedZoom(int percent)
    {
        file.getParentDirectory().createDirectory();
        file.replaceWithText("<Settings zoom=\"" + juce::String(percent) + "\"/>");
    }

    ~RememberedZoom() { file.deleteFile(); }

private:
    const juce::File file { juce::File(std::getenv("HOME")).getChildFile("Quillon/Vela/Settings.xml") };
};

class HostEditorZoom : public testing::TestWithParam<PluginFormat>
{
};
} // namespace

// The size the wrapper reports to the host is the zoomed one, from the first opening on.
TEST_P(HostEditorZoom, EditorOpensAtTheRememberedZoom)
{
    const RememberedZoom zoom(150);
    auto plugin = loadPlugin(GetParam());
    ASSERT_NE(plugin.instance, nullptr) << plugin.error;

    std::unique_ptr<juce::AudioProcessorEditor> editor(plugin.instance->createEditorIfNeeded());
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->getWidth(), 750);
    EXPECT_EQ(editor->getHeight(), 600);
}

// JUCE's LV2 host embeds the plug-in's window through X11 and can't open it without a display.
INSTANTIATE_TEST_SUITE_P(EachFormat, HostEditorZoom, testing::Values(PluginFormat::vst3, PluginFormat::vst2),
                         pluginFormatTestName);

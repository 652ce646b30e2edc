#include "ZoomMenu.h"

#include "EditorZoom.h"
#include "PluginEditor.h"

ZoomMenu::ZoomMenu(VelaAudioProcessorEditor& editorToZoom, juce::Component& panelToWatch)
    : editor(editorToZoom), panel(panelToWatch)
{
    panel.addMouseListener(this, true);
}

ZoomMenu::~ZoomMenu()
{
    panel.removeMouseListener(this);
}

bool ZoomMenu::opensOn(const juce::MouseEvent& event, const juce::Component& panel)
{
    if (! event.mods.isPopupMenu())
        return false;

    const auto* target = event.eventComponent;
    const bool isCaption = target != nullptr && target->getParentComponent() == &panel
                           && dynamic_cast<const juce::Label*>(target) != nullptr;
    return target == &panel || isCaption;
}

juce::PopupMenu ZoomMenu::build() const
{
    juce::PopupMenu menu;
    menu.addSectionHeader(juce::translate("Zoom"));

    for (const int step : EditorZoom::steps)
    {
        juce::PopupMenu::Item item(juce::String(step) + "%");
        item.setTicked(step == editor.getZoom()).setEnabled(editor.zoomFits(step));
        // The menu may outlive the editor when the host closes the window while it is open.
        item.setAction([safeEditor = juce::Component::SafePointer<VelaAudioProcessorEditor>(&editor), step] {
            if (safeEditor != nullptr)
                safeEditor->chooseZoom(step);
        });
        menu.addItem(std::move(item));
    }
    return menu;
}

void ZoomMenu::mouseDown(const juce::MouseEvent& event)
{
    if (! opensOn(event, panel))
        return;

    // The panel as target gives the menu the panel's scale; the area puts it under the mouse.
    const auto options = juce::PopupMenu::Options().withTargetComponent(&panel).withTargetScreenArea(
        juce::Rectangle<int>(1, 1).withPosition(event.getScreenPosition()));
    build().showMenuAsync(options);
}

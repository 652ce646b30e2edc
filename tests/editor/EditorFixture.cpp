#include "EditorFixture.h"

#include "LumJuceParameter.h"

void EditorFixture::SetUp()
{
    processor = std::make_unique<VelaAudioProcessor>();
    processor->getNumPrograms();
    openEditor();
}

void EditorFixture::TearDown()
{
    closeEditor();
    processor.reset();
}

void EditorFixture::openEditor()
{
    editor.reset(processor->createEditor());
    editor->setVisible(true);
}

void EditorFixture::closeEditor()
{
    editor.reset();
    runMessages(10);
}

void EditorFixture::restart()
{
    closeEditor();
    SetUp();
}

VelaAudioProcessorEditor& EditorFixture::velaEditor()
{
    return dynamic_cast<VelaAudioProcessorEditor&>(*editor);
}

MainComponent& EditorFixture::panel()
{
    return dynamic_cast<MainComponent&>(*editor->getChildComponent(0));
}

juce::Component& EditorFixture::control(int childIndex)
{
    return *panel().getChildComponent(childIndex);
}

namespace
{
// A left-button press in the middle of the control, as the mouse delivers it.
juce::MouseEvent pressInTheMiddle(juce::Component& target)
{
    const auto middle = target.getLocalBounds().getCentre().toFloat();
    const auto now = juce::Time::getCurrentTime();
    return { juce::Desktop::getInstance().getMainMouseSource(),
             middle,
             juce::ModifierKeys::leftButtonModifier,
             juce::MouseInputSource::defaultPressure,
             0.0f, 0.0f, 0.0f, 0.0f,
             &target, &target, now, middle, now, 1, false };
}
} // namespace

void EditorFixture::click(juce::Component& target)
{
    // The control's own mouse handling, as a press and release in its middle deliver it.
    const auto press = pressInTheMiddle(target);
    target.mouseEnter(press);
    target.mouseDown(press);
    target.mouseUp(press);
    runMessages(10);
}

void EditorFixture::drag(juce::Component& target, float pixels)
{
    const auto press = pressInTheMiddle(target);
    const auto moved = press.withNewPosition(press.position.translated(0.0f, -pixels));
    target.mouseEnter(press);
    target.mouseDown(press);
    target.mouseDrag(moved);
    target.mouseUp(moved);
    runMessages(10);
}

void EditorFixture::runMessages(int milliseconds)
{
    juce::MessageManager::getInstance()->runDispatchLoopUntil(milliseconds);
}

float EditorFixture::raw(const char* id)
{
    return LumJuceParameter::plainValue(processor->valueTreeState, id);
}

void EditorFixture::setFromHost(const char* id, float realValue)
{
    auto* parameter = processor->valueTreeState.getParameter(id);
    parameter->setValueNotifyingHost(parameter->convertTo0to1(realValue));
}

void EditorFixture::writePreset(const juce::String& name, const juce::String& params)
{
    const auto file = home.presetFolder().getChildFile(name + ".preset");
    file.getParentDirectory().createDirectory();
    file.replaceWithText("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Vela>" + params + "</Vela>\n");
}

#include "LumJucePresetSelector.h"

namespace
{
constexpr int cancelled = 0;
constexpr int confirmed = 1;
const char* const saveTitle = "Save Preset";
const char* const deleteTitle = "Delete Preset";

// A title, a message, the confirming button and, for questions, "Cancel".
std::unique_ptr<juce::AlertWindow> dialogWindow(const char* title, const juce::String& message,
                                                juce::MessageBoxIconType icon, const char* confirmText,
                                                bool isQuestion, juce::Component* over)
{
    auto window = std::make_unique<juce::AlertWindow>(juce::translate(title), message, icon, over);
    window->addButton(juce::translate(confirmText), confirmed, juce::KeyPress(juce::KeyPress::returnKey));
    if (isQuestion)
        window->addButton(juce::translate("Cancel"), cancelled, juce::KeyPress(juce::KeyPress::escapeKey));
    return window;
}
} // namespace

LumJucePresetSelector::LumJucePresetSelector(LumJuceAudioProcessor& processorToUse, const juce::String& controlName)
    : juce::ComboBox(controlName), processor(processorToUse)
{
    onChange = [this] { chosen(); };
}

LumJucePresetSelector::~LumJucePresetSelector() = default;

void LumJucePresetSelector::refill()
{
    const auto names = processor.getAllProgramsNames();
    clear(juce::dontSendNotification);
    addItemList(names, 1);
    addSeparator();
    addItem(juce::translate("Save Preset..."), saveItemId);
    addItem(juce::translate("Delete Preset"), deleteItemId);
    addItem(juce::translate("Restore Factory Presets"), restoreFactoryItemId);

    const int current = processor.currentPresetIndex();
    const int shown = juce::isPositiveAndBelow(current, names.size()) ? current : names.indexOf(shownPreset);
    shownPreset = names[shown];
    setItemEnabled(deleteItemId, shown >= 0);
    if (shown >= 0)
        setSelectedItemIndex(shown, juce::dontSendNotification);
}

void LumJucePresetSelector::showPopup()
{
    processor.refreshPrograms();
    refill();
    juce::ComboBox::showPopup();
}

void LumJucePresetSelector::chosen()
{
    const int id = getSelectedId();
    tellRefusal({});
    if (id == saveItemId || id == deleteItemId || id == restoreFactoryItemId)
    {
        // An action is no preset: the box goes back to the one it showed.
        refill();
        if (id == saveItemId)
            askForName(shownPreset);
        else if (id == restoreFactoryItemId)
            restoreFactoryPresets();
        else if (shownPreset.isNotEmpty())
            confirmDeleting(shownPreset);
        return;
    }

    if (id > 0 && processor.selectProgram(id - 1))
    {
        shownPreset = getText();
        setItemEnabled(deleteItemId, true);
    }
    else if (id > 0)
    {
        // The previous program stays, and so does the box.
        const auto file = processor.getAllPrograms()[id - 1].getFileName();
        const auto problem = processor.programProblem(id - 1);
        refill();
        tellRefusal(juce::translate("FILE not loaded: WHY").replace("FILE", file).replace("WHY", problem));
    }
}

void LumJucePresetSelector::tellRefusal(const juce::String& line)
{
    if (onRefusal)
        onRefusal(line);
}

void LumJucePresetSelector::askForName(const juce::String& suggestion)
{
    auto window = dialogWindow(saveTitle, juce::translate("Name of the preset:"), juce::MessageBoxIconType::NoIcon,
                               "Save", true, this);
    window->addTextEditor("name", suggestion);

    auto* nameField = window->getTextEditor("name");
    ask(std::move(window), [this, nameField](int answer) {
        if (answer != confirmed)
            return;

        const auto name = nameField->getText().trim();
        if (const auto problem = LumJucePresetFolder::nameProblem(name); problem.isNotEmpty())
            tell(saveTitle, juce::translate(problem), [this, name] { askForName(name); });
        else if (processor.programFile(name).exists())
            confirmReplacing(name);
        else
            save(name);
    });
}

void LumJucePresetSelector::confirmReplacing(const juce::String& name)
{
    const auto message = juce::translate("A preset named \"NAME\" exists already. Replace it?").replace("NAME", name);
    ask(dialogWindow(saveTitle, message, juce::MessageBoxIconType::QuestionIcon, "Replace", true, this),
        [this, name](int answer) {
            if (answer == confirmed)
                save(name);
        });
}

void LumJucePresetSelector::save(const juce::String& name)
{
    if (! processor.saveProgram(name))
    {
        tell(saveTitle,
             juce::translate("The preset could not be saved as FILE.")
                 .replace("FILE", processor.programFile(name).getFullPathName()),
             {});
        return;
    }

    shownPreset = name;
    refill();
}

void LumJucePresetSelector::restoreFactoryPresets()
{
    processor.restoreFactoryPresets();
    refill();
}

void LumJucePresetSelector::confirmDeleting(const juce::String& name)
{
    const auto message = juce::translate("Delete the preset \"NAME\"?").replace("NAME", name);
    ask(dialogWindow(deleteTitle, message, juce::MessageBoxIconType::QuestionIcon, "Delete", true, this),
        [this, name](int answer) {
            if (answer != confirmed)
                return;

            if (! processor.deleteProgram(processor.getAllProgramsNames().indexOf(name)))
                tell(deleteTitle, juce::translate("The preset \"NAME\" could not be deleted.").replace("NAME", name), {});

            refill();
        });
}

void LumJucePresetSelector::tell(const char* title, const juce::String& message, std::function<void()> afterwards)
{
    ask(dialogWindow(title, message, juce::MessageBoxIconType::WarningIcon, "OK", false, this), [afterwards](int) {
        if (afterwards)
            afterwards();
    });
}

void LumJucePresetSelector::ask(std::unique_ptr<juce::AlertWindow> window, std::function<void(int)> onAnswer)
{
    dialog = std::move(window);
    auto* asked = dialog.get();
    auto whenAnswered = [safeThis = SafePointer(this), asked, onAnswer](int answer) {
        if (safeThis == nullptr || safeThis->dialog.get() != asked)
            return;

        // Kept while the answer is handled, which may read it or open the next dialog.
        const auto answered = std::move(safeThis->dialog);
        answered->setVisible(false);
        onAnswer(answer);
    };
    dialog->enterModalState(true, juce::ModalCallbackFunction::create(std::move(whenAnswered)), false);
}

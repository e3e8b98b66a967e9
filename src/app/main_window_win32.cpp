#include "app/main_window_win32.h"

#include "app/accepted_control.h"
#include "app/main_window_definition.h"
#include "feature/feature_switch_win32.h"
#include "feature/test_message_win32.h"
#include "window/window_runner_win32.h"

namespace quillet {
namespace {

// The name the window's geometry is stored under in the settings file.
constexpr const char* kProcedureName = "Main";

class MainWindow final : public WindowRunner {
public:
    MainWindow(Framework& framework, Window& window, IniManager& settings, FeatureVariables& variables)
        : WindowRunner(framework), window_(window), settings_(settings), variables_(variables) {}

    LevelCode OpenStep() override {
        if (const LevelCode level = WindowRunner::OpenStep(); level != kCarryOn) {
            return level;
        }
        FIRSTFIELD = kCheckRegistryControl;
        OpenWindow(window_);
        // The window's icon becomes the whole program's; the window then
        // shows the application icon instead of one of its own.
        framework_.application_icon.Set(std::string(1, '~') + window_.IconName());
        window_.SetIconName("");
        settings_.RestoreWindow(kProcedureName, window_);
        return kCarryOn;
    }

    LevelCode CloseStep() override {
        if (const LevelCode level = WindowRunner::CloseStep(); level != kCarryOn) {
            return level;
        }
        if (OPENED) {
            settings_.SaveWindow(kProcedureName, window_);
        }
        return kCarryOn;
    }

private:
    LevelCode TakeAccepted(std::int32_t control) override {
        const HWND owner = window_.Native();
        return TakeAcceptedControl(control, FeatureSwitch(variables_, owner), TestMessage(owner));
    }

    Window& window_;
    IniManager& settings_;
    FeatureVariables& variables_;
};

}  // namespace

void Main(Framework& framework, IniManager& settings) {
    FeatureVariables variables;  // start values: empty, 0, 50 blanks, empty
    Window window(MainWindowDefinition(), framework.application_icon);
    {
        MainWindow main_window(framework, window, settings, variables);
        main_window.Run();
    }
    // The window structure goes last; destroying it closes the window.
}

}  // namespace quillet

#include "app/main_window.h"

#include "app/accepted_control.h"
#include "app/main_window_definition.h"
#include "feature/feature_switch.h"
#include "feature/test_message.h"
#include "platform/thread_state.h"
#include "platform/window_procedure_win32.h"

namespace quillet {
namespace {

constexpr const char* kProcedureName = "Main";

class MainWindowProcedure final : public WindowProcedure {
public:
    MainWindowProcedure(Framework& framework, Window& window, ToolbarDispatcher& toolbar, IniManager& settings,
                        FeatureVariables& variables)
        : WindowProcedure(framework), window_(window), toolbar_(toolbar), settings_(settings), variables_(variables) {}

    LevelCode OpenStep() override {
        framework_.errors.ProcedureStarted(kProcedureName);
        ThreadState& thread = CurrentThreadState();
        REQUEST = thread.request;
        if (const LevelCode level = WindowProcedure::OpenStep(); level != kCarryOn) {
            return level;
        }
        FIRSTFIELD = kCheckRegistryControl;
        ERRORS = &framework_.errors;
        TOOLBAR = &toolbar_;
        thread.request = 0;
        thread.response = 0;
        OpenWindow(window_);
        // The window's icon becomes the whole program's; the window then
        // shows the application icon instead of one of its own.
        framework_.application_icon.Set(std::string(1, '~') + window_.IconName());
        window_.SetIconName("");
        settings_.RestoreWindow(kProcedureName, window_);
        RegisterAlerts();
        return kCarryOn;
    }

    LevelCode CloseStep() override {
        if (const LevelCode level = WindowProcedure::CloseStep(); level != kCarryOn) {
            return level;
        }
        if (OPENED) {
            settings_.SaveWindow(kProcedureName, window_);
        }
        framework_.errors.ProcedureEnded();
        return kCarryOn;
    }

    LevelCode TakeAccepted() override {
        HWND owner = window_.Native();
        const AcceptedControlSteps steps{
            [this] { return Accepted(); },
            [this, owner] { CheckRegistry(variables_, owner); },
            [this, owner] { TurnOn(variables_, owner); },
            [this, owner] { TurnOff(variables_, owner); },
            [this] { return WindowProcedure::TakeAccepted(); },
            [this] { HandleTestEml(*this); },
        };
        return DispatchAcceptedControl(steps);
    }

private:
    Window& window_;
    ToolbarDispatcher& toolbar_;
    IniManager& settings_;
    FeatureVariables& variables_;
};

}  // namespace

void Main(Framework& framework, IniManager& settings) {
    FeatureVariables variables;  // start values: empty, 0, 50 blanks, empty
    Window window(MainWindowDefinition(), framework.application_icon);
    ToolbarDispatcher toolbar;
    {
        MainWindowProcedure procedure(framework, window, toolbar, settings, variables);
        CurrentThreadState().response = static_cast<std::uint8_t>(procedure.Run());
    }
    // The window structure goes last; destroying it closes the window.
}

}  // namespace quillet

#include "interpreter/interpreter.h"

namespace trazor {

void ShowMessage(Interpreter& in, std::string_view text)
{
    in.host.SetStatusMessage(text);
    in.host.SetFunctionKeyMessage(text);
}

void ClearMessages(Interpreter& in) { ShowMessage(in, ""); }

void FailBlock(Interpreter& in, std::string_view message)
{
    ShowMessage(in, message);
    in.st.StopCode = StopError;
}

} // namespace trazor

#pragma once
// Start-up order: the ten windows are created once, the start window first,
// and live until the program ends.
namespace app {
void createForms();
void destroyForms(); // in reverse order; tests call it so no window outlives them
} // namespace app

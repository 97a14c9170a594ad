#pragma once

class AppContext;
class WindowRegistry;

// Registers every window the main menu opens, under the name the menu uses.
void RegisterMenuWindows(WindowRegistry& windows, AppContext& context);

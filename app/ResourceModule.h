#pragma once
// The resource module "SoftInfoRes.dll", from which every dialog, string and
// icon the program shows is taken once it is loaded.

// Loads the module once per process and makes it the framework's current
// resource handle; true when it is (or already was) loaded. A module without
// the main dialog's template counts as missing.
bool LoadResourceModule();

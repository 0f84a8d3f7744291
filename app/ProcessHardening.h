#pragma once
// What the elevated process asks of the system before it does anything
// else: DLLs only from System32 when they are named alone, and no
// redirection through a junction or link that a standard user made
// (RedirectionGuard). Each is bound at run time: a system that lacks one
// (an older Windows, wine) goes on without it, and only a refusal leaves a
// cause line.
void HardenProcess();

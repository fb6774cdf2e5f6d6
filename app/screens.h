#pragma once
// The four screens. Each runs its frame loop while ScreenState names it and
// builds all of its state afresh on entry.

void RunMenu();
void RunParticleScreen();
void RunTornadoScreen();
void RunFireScreen();

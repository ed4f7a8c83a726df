#pragma once
// A machine in the field without network or clock battery can start in 1970 or 2000, and every QSO would
// then carry that date: the operator is warned, nothing is refused.

struct Services;

// Warns, once per run, when the clock reads a day before the program was built.
void Verifier_Date_Ordinateur(Services& services);

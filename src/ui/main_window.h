#pragma once
// MainWindow: the settings window with the ten lines, Start and End.
#include "toolkit/core/template.h"

extern const WindowTemplate MainWindow;

void OnMainWindowCreated();
void OnStartClicked();
void OnEndClicked();
void OnMainWindowDestroying();

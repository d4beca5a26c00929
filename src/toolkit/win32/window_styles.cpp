#include "toolkit/win32/window_styles.h"

namespace toolkit {

WindowStyles StylesFor(const WindowSettings& settings) {
  DWORD style = WS_CLIPCHILDREN;
  DWORD extended = 0;
  if (settings.minimiseBox) style |= WS_MINIMIZEBOX;
  if (settings.maximiseBox) style |= WS_MAXIMIZEBOX;
  if (settings.border == Border::None) return {style, extended};

  const bool sizing = settings.border == Border::Resizable ||
                      settings.border == Border::ResizableTool ||
                      settings.border == Border::ResizableSunken;
  const bool captioned = settings.controlBox || (settings.title && *settings.title);
  if (captioned) style |= WS_CAPTION;
  else if (!sizing) style |= WS_BORDER;
  if (settings.controlBox) style |= WS_SYSMENU;
  if (sizing) style |= WS_THICKFRAME;
  if (settings.border == Border::ResizableTool || settings.border == Border::FixedTool)
    extended |= WS_EX_TOOLWINDOW;
  if (settings.border == Border::ResizableSunken || settings.border == Border::FixedSunken)
    extended |= WS_EX_CLIENTEDGE;
  return {style, extended};
}

}  // namespace toolkit

// MainWindow's template. The group box comes first in the list: it contains
// the edit box, so it must exist before the edit box is built.
#include "ui/main_window.h"

namespace {

constexpr char kDefaultLines[] =
    "进度条要搞事情\r\n"
    "你对力量一无所知\r\n"
    "特意上号给5角\r\n"
    "来早了，没有弹幕。。。\r\n"
    "放开那个人，让我来\r\n"
    "高能预警\r\n"
    "xx出来，我们谈谈人生\r\n"
    "放学别走我保证打不死你！\r\n"
    "说高能的出来\r\n"
    "膝蓋中箭";

constexpr ControlTemplate kControls[] = {
    {.name = "分组框1",
     .parent = nullptr,
     .place = {2, 3, 446, 229},
     .settings = GroupBoxSettings{.caption = "弹幕话术"}},
    {.name = "编辑框1",
     .parent = "分组框1",
     .place = {9, 23, 429, 193},
     .settings = EditBoxSettings{.content = kDefaultLines, .multiLine = true},
     .tabStop = true},
    {.name = "按钮2",
     .parent = nullptr,
     .place = {257, 239, 80, 32},
     .settings = PushButtonSettings{.caption = "结束"},
     .tabStop = true,
     .events = {.clicked = OnEndClicked}},
    {.name = "按钮1",
     .parent = nullptr,
     .place = {112, 239, 80, 32},
     .settings = PushButtonSettings{.caption = "开始弹幕"},
     .tabStop = true,
     .events = {.clicked = OnStartClicked}},
};

}  // namespace

constinit const WindowTemplate MainWindow{
    .name = "MainWindow",
    .place = {500, 300, 454, 307},
    .settings = {.title = "Quillaro   -by Tovenhal",
                 .border = Border::FixedSingle,
                 .maximiseBox = false,
                 .dragAnywhere = true,
                 .escCloses = true},
    .controls = kControls,
    .events = {.created = OnMainWindowCreated, .destroying = OnMainWindowDestroying},
};

#pragma once
// Where the frame hands "&Print...", "Print Pre&view" and "P&rint Setup...": the printing
// code fills it in; every default does nothing. The pane is the one that last had the
// keyboard focus (the tree at start-up).

namespace velmora {

enum class ActivePane { Tree, List };

class PrintCommandHooks {
public:
    virtual ~PrintCommandHooks() = default;
    virtual void Print(ActivePane /*pane*/) {}
    virtual void PrintPreview(ActivePane /*pane*/) {}
    virtual void PrintSetup() {}
};

}  // namespace velmora

#include "EditorApp.h"

int main(int argc, char** argv) {
    CEditorApp app(argc, argv);
    return app.Run();
}

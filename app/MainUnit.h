#pragma once
// The module's main window. Its construction runs the start-up and then the
// identification of the stack: it reads the unit, port and sub-unit tables and
// stacks one front-panel form per present unit, with the expansion-module form
// beside a unit that carries one.
#include <QMainWindow>
#include <QStringList>
#include <memory>
#include <string>
#include <vector>

#include "platform/MainSettings.h"
#include "panels/StackImageList.h"
#include "app/Startup.h"

class QAction;
class QLabel;
class QMenu;
class QScrollArea;
class QStatusBar;
class QTreeWidget;
class QWidget;
class Registry;
class NvSNMPRequest2Controls;
class NvSNMPRequest2Edits;
class TExpansionModuleForm;
class TMenuDispatcher;
class TPortButtonList;
class TUnitPanelForm;

class TMainForm : public QMainWindow {
    Q_OBJECT

public:
    // Runs the start-up with the registry named by the environment and the
    // library's session start, then the identification; throws what the
    // start-up throws.
    explicit TMainForm(const std::vector<std::string>& arguments, QWidget* parent = nullptr);
    TMainForm(const std::vector<std::string>& arguments, const Registry& registry,
              const TStartup::SessionStarter& startSession, QWidget* parent = nullptr);
    ~TMainForm() override;

    // Values of the start-up that every form reads (LargeFonts, ScaleFactor, ...).
    TMainSettings settings;

    // Reads the stack and places the panels; run once, from the construction.
    // The window is shown first: the status line follows the reading, Exit
    // works throughout, and the first identification error stays on the
    // status bar afterwards.
    void identify();
    // Whether the window was closed (it may be while identification runs).
    bool isShutDown() const { return m_shutDown; }
    // Reads the RMON state (blocking) and enables or disables the RMON views.
    void refreshRmonState();

    // Size of the client area (below the menu bar, status bar included).
    int clientWidth() const { return m_clientWidth; }
    int clientHeight() const { return m_clientHeight; }
    void setClientSize(int width, int height);

    // The window's data stores and shared objects.
    QStatusBar* StatusBar = nullptr;
    QLabel* StatusPanel = nullptr;  // the status line of every binding
    QLabel* IdentificationError = nullptr;  // in front of it: the first identification error, kept
    QScrollArea* ScrollBox1 = nullptr;
    QTreeWidget* UnitListView = nullptr;
    QTreeWidget* lvPortIndex = nullptr;
    QTreeWidget* lvSubUnit = nullptr;
    QTreeWidget* PortInfoListView = nullptr;
    QLabel* ST_RmonState = nullptr;
    QLabel* ST_StackNum = nullptr;
    TStackImageList ImageList1;

    QMenu* PortInfoPopupMenu = nullptr;
    QAction* PortInformation2 = nullptr;
    QAction* PortConfiguration1 = nullptr;

    QMenu* Configuration1 = nullptr;
    QAction* Exit1 = nullptr;
    QMenu* Menu_RMON = nullptr;
    QAction* RMONSetting1 = nullptr;
    QAction* Statistics1 = nullptr;
    QAction* History1 = nullptr;
    QAction* AlarmEvent1 = nullptr;

    // The model names a unit's module name is compared with (exactly).
    static const QStringList& modelNames();

    NvSNMPRequest2Edits* unitTableBinding() const { return m_unitBinding.get(); }
    NvSNMPRequest2Edits* portTableBinding() const { return m_portBinding.get(); }
    NvSNMPRequest2Edits* subUnitBinding() const { return m_subUnitBinding.get(); }
    NvSNMPRequest2Edits* rmonStateBinding() const { return m_rmonBinding.get(); }
    TPortButtonList* portButtons() const { return m_portButtons.get(); }
    const std::vector<TUnitPanelForm*>& unitPanels() const { return m_unitPanels; }
    const std::vector<TExpansionModuleForm*>& modulePanels() const { return m_modulePanels; }

    QString viewTitle;  // title of the last generic view opened
    // Builds the menus and runs their entries.
    TMenuDispatcher* menuDispatcher() const { return m_menu; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void buildWindow();
    void buildMenus();
    std::unique_ptr<NvSNMPRequest2Edits> tableBinding(const struct NvSNMPVarDescriptor* table, QTreeWidget* view);
    void placePanel(const QString& unitText, const QString& moduleName, int row);
    // Asks for confirmation; true when the window may close.
    bool confirmClose();
    void shutDown();
    void centre();
    void setStatusText(const std::string& text);
    // Waits for the binding; the status line shows what has been read so far
    // under the caption. False when the window was closed meanwhile.
    bool waitWhileBusy(NvSNMPRequest2Controls& binding, const char* caption = nullptr);
    void showIdentificationProgress(const char* caption);
    void noteIdentificationError(const std::string& text);

    QWidget* m_content = nullptr;  // the scroll box's content
    TMenuDispatcher* m_menu = nullptr;
    int m_clientWidth = 987;
    int m_clientHeight = 137;
    bool m_centred = false;
    bool m_shutDown = false;
    bool m_identifying = false;
    bool m_closeRequested = false;  // Exit confirmed while identification runs
    std::string m_identificationError;

    std::unique_ptr<NvSNMPRequest2Edits> m_unitBinding;
    std::unique_ptr<NvSNMPRequest2Edits> m_portBinding;
    std::unique_ptr<NvSNMPRequest2Edits> m_subUnitBinding;
    std::unique_ptr<NvSNMPRequest2Edits> m_rmonBinding;
    std::unique_ptr<TPortButtonList> m_portButtons;
    // The placed forms, owned by the scroll box's content (their Qt parent).
    std::vector<TUnitPanelForm*> m_unitPanels;
    std::vector<TExpansionModuleForm*> m_modulePanels;
    TUnitPanelForm* m_lastPanel = nullptr;
};

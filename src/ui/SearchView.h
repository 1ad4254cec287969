#pragma once

#include <QWidget>
#include <functional>

class QLabel;
class QStackedWidget;
class QHBoxLayout;
class QToolButton;
class QTimer;
class QScrollArea;

namespace zarvo {
class ClipStore;
class Favorites;
class HotKeyManager;
class SearchModel;
class Settings;
class Workspace;
struct ResultItem;
} // namespace zarvo

namespace zarvo::ui {
class FileThumbnails;

class ActionList;
class ClipPreview;
class ResultList;
class SearchField;
class CapsuleButton;
class Spinner;
class TabButton;

// The panel's content: search bar, tab bar, Open-with bar, denied-folders banner, the body of the mode,
// and the footer. It draws what the model publishes and calls the model's operations; it decides nothing.
class SearchView : public QWidget {
    Q_OBJECT
public:
    struct Services {
        SearchModel& model;
        Settings& settings;
        Favorites& favorites;
        ClipStore* clips = nullptr;
        Workspace* workspace = nullptr;
        // Whether the hot keys reach us; none: the keys are shown as set.
        const HotKeyManager* hotKeys = nullptr;
        // Where the folders searched are chosen, for the banner's link; none: the system's privacy
        // settings, where access to folders is granted.
        std::function<void()> showSearchAccess = {};
        FileThumbnails* thumbnails = nullptr;
    };
    explicit SearchView(Services services, QWidget* parent = nullptr);
    ~SearchView() override;

    // Redraws from the published state.
    void refresh();

    SearchField* field() const { return m_field; }
    // For tests and the shell: the parts as shown.
    QString emptyTextShown() const;
    QString footerText() const;
    // The footer's right side as shown: the tab's hot key, or why it does not work, shortened to fit.
    QString footerHotKeyText() const;
    ResultList* resultList() const { return m_results; }
    ClipPreview* clipPreview() const { return m_preview; }

    // Whether a menu of ours is open (the panel must not hide for it).
    bool isMenuOpen() const { return m_menuOpen; }

private:
    void build();
    QWidget* buildSearchBar();
    QWidget* buildTabBar();
    QWidget* buildOpenWithBar();
    QWidget* buildBanner();
    QWidget* buildFooter();
    void refreshOpenWith();
    void refreshBody();
    void refreshFooter();
    void refreshPlaceholder();
    // Tells the screen reader what changed on the last redraw (SearchViewSpeech.cpp).
    void nameParts();
    void speakChanges();
    void speakSelectedRow();
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showContextMenu(const ResultItem& item, const QPoint& globalPosition);
    void copyRow(int row, bool clips);

    Services m_s;
    SearchField* m_field = nullptr;
    QLabel* m_modeIcon = nullptr;
    Spinner* m_spinner = nullptr;
    QToolButton* m_clear = nullptr;
    QWidget* m_tabBar = nullptr;
    TabButton* m_runTab = nullptr;
    TabButton* m_clipTab = nullptr;
    QLabel* m_switchHint = nullptr;
    CapsuleButton* m_clearButton = nullptr;
    QWidget* m_openWith = nullptr;
    QScrollArea* m_openWithScroll = nullptr;
    QHBoxLayout* m_chips = nullptr;
    QStringList m_chipApps;
    QWidget* m_banner = nullptr;
    QLabel* m_bannerText = nullptr;
    QStackedWidget* m_body = nullptr;
    QStackedWidget* m_resultsPage = nullptr;
    ResultList* m_results = nullptr;
    QLabel* m_empty = nullptr;
    QWidget* m_actionsPage = nullptr;
    ResultList* m_actionTarget = nullptr;
    ActionList* m_actions = nullptr;
    QLabel* m_noActions = nullptr;
    QWidget* m_renamePage = nullptr;
    ResultList* m_renameTarget = nullptr;
    QStackedWidget* m_clipsPage = nullptr;
    QLabel* m_clipsEmpty = nullptr;
    ResultList* m_clipList = nullptr;
    ClipPreview* m_preview = nullptr;
    QWidget* m_footer = nullptr;
    QLabel* m_footerLeft = nullptr;
    QLabel* m_footerRight = nullptr;
    // The message line, read aloud when it shows; the hints line stands beside it while there is none.
    QLabel* m_footerMessage = nullptr;
    bool m_menuOpen = false;
    // The list and row the screen reader was last told the keyboard is on.
    QWidget* m_spokenList = nullptr;
    int m_spokenRow = -1;
    bool m_spokenClips = false;
    QString m_spokenText;
    // Typing that changes the selected row has it read once the typing pauses.
    QTimer* m_speakAfterTyping = nullptr;
};

} // namespace zarvo::ui

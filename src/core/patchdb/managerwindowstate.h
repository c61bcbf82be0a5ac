#pragma once

class CustomEntriesPage;
class PatchDatabaseManager;

// What the patch database manager window shows around its pages: which pages exist and which
// one is showing, and which of its buttons and fields may be used. The database mode decides
// the editing controls; the page decides the "Add Patch Set to DB" button; the modified text
// decides "Save Changes". The window renders these flags and routes its activation, page
// switches, the double click on its button panel and its close through here.
class ManagerWindowState {
  public:
    enum Page { CustomizeDatabase, PatchDatabase, ImportPatches, CoreDxps, PageCount };

    ManagerWindowState(PatchDatabaseManager& manager, CustomEntriesPage& custom);

    // The import and core module pages stay hidden until the button panel is double-clicked.
    bool pageVisible(Page page) const;
    void revealHiddenPages() { m_revealed = true; }
    Page currentPage() const { return m_page; }

    // Each opening of the window: the custom entries page reads its entries when its list is
    // empty and applies its selection mode.
    void activate();
    void showPage(Page page);
    // The close command and the close box: true when the window may close (the question about
    // unsaved changes was not cancelled).
    bool close();

    // "Add Patch Set to DB": only in the uncontrolled mode, and only while the import page
    // shows, since it writes a patch set into the current database.
    bool addPatchSetEnabled() const;
    // Create Default DB, Add/Change and Remove, and editable database text and core module
    // fields: only in the uncontrolled mode.
    bool editingEnabled() const;
    // "Save Changes" only while the text holds unsaved edits: a text that a database switch or
    // a failed read has emptied is never saved over the file.
    bool saveEnabled() const;

  private:
    PatchDatabaseManager& m_manager;
    CustomEntriesPage& m_custom;
    Page m_page = CustomizeDatabase;
    bool m_revealed = false;
};

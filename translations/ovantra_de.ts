<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>QObject</name>
    <message>
        <source>%1 cannot be merged: %2</source>
        <translation>%1 kann nicht zusammengeführt werden: %2</translation>
    </message>
    <message>
        <source>Rules files (*.txt *.fre *.ger);;All files (*)</source>
        <translation>Regeldateien (*.txt *.fre *.ger);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Cosmic values</source>
        <translation>Kosmische Werte</translation>
    </message>
    <message>
        <source>Advances</source>
        <translation>Fortschritte</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>Einheiten</translation>
    </message>
</context>
<context>
    <name>rules::Choice</name>
    <message>
        <source>Land</source>
        <translation>Land</translation>
    </message>
    <message>
        <source>Air</source>
        <translation>Luft</translation>
    </message>
    <message>
        <source>Sea</source>
        <translation>See</translation>
    </message>
    <message>
        <source>Attack</source>
        <translation>Angriff</translation>
    </message>
    <message>
        <source>Defend</source>
        <translation>Verteidigung</translation>
    </message>
    <message>
        <source>Naval Superiority</source>
        <translation>Seeherrschaft</translation>
    </message>
    <message>
        <source>Air Superiority</source>
        <translation>Luftherrschaft</translation>
    </message>
    <message>
        <source>Sea Transport</source>
        <translation>Seetransport</translation>
    </message>
    <message>
        <source>Settle</source>
        <translation>Siedeln</translation>
    </message>
    <message>
        <source>Diplomacy</source>
        <translation>Diplomatie</translation>
    </message>
    <message>
        <source>Trade</source>
        <translation>Handel</translation>
    </message>
    <message>
        <source>Ancient</source>
        <translation>Antike</translation>
    </message>
    <message>
        <source>Renaissance</source>
        <translation>Renaissance</translation>
    </message>
    <message>
        <source>Industrial Revolution</source>
        <translation>Industrielle Revolution</translation>
    </message>
    <message>
        <source>Modern</source>
        <translation>Moderne</translation>
    </message>
    <message>
        <source>Military</source>
        <translation>Militär</translation>
    </message>
    <message>
        <source>Economic</source>
        <translation>Wirtschaft</translation>
    </message>
    <message>
        <source>Social</source>
        <translation>Soziales</translation>
    </message>
    <message>
        <source>Academic</source>
        <translation>Wissenschaft</translation>
    </message>
    <message>
        <source>Applied</source>
        <translation>Angewandt</translation>
    </message>
</context>
<context>
    <name>rules::Column</name>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Obsolete by</source>
        <translation>Veraltet durch</translation>
    </message>
    <message>
        <source>Domain</source>
        <translation>Bereich</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>Züge</translation>
    </message>
    <message>
        <source>Rounds</source>
        <translation>Runden</translation>
    </message>
    <message>
        <source>Attack</source>
        <translation>Angriff</translation>
    </message>
    <message>
        <source>Defense</source>
        <translation>Verteidigung</translation>
    </message>
    <message>
        <source>Hit points</source>
        <translation>Trefferpunkte</translation>
    </message>
    <message>
        <source>Firepower</source>
        <translation>Feuerkraft</translation>
    </message>
    <message>
        <source>Cost</source>
        <translation>Kosten</translation>
    </message>
    <message>
        <source>Hold</source>
        <translation>Ladung</translation>
    </message>
    <message>
        <source>Role</source>
        <translation>Rolle</translation>
    </message>
    <message>
        <source>Prerequisite</source>
        <translation>Voraussetzung</translation>
    </message>
    <message>
        <source>Flags</source>
        <translation>Fähigkeiten</translation>
    </message>
    <message>
        <source>AI value</source>
        <translation>KI-Wert</translation>
    </message>
    <message>
        <source>Modifier</source>
        <translation>Modifikator</translation>
    </message>
    <message>
        <source>Prerequisite 1</source>
        <translation>Voraussetzung 1</translation>
    </message>
    <message>
        <source>Prerequisite 2</source>
        <translation>Voraussetzung 2</translation>
    </message>
    <message>
        <source>Epoch</source>
        <translation>Epoche</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Kategorie</translation>
    </message>
    <message>
        <source>Abbreviation</source>
        <translation>Kürzel</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Wert</translation>
    </message>
</context>
<context>
    <name>rules::Flag</name>
    <message>
        <source>Two space visibility</source>
        <translation>Sicht zwei Felder</translation>
    </message>
    <message>
        <source>Ignore zones of control</source>
        <translation>Ignoriert Kontrollzonen</translation>
    </message>
    <message>
        <source>Can make amphibious assaults</source>
        <translation>Amphibische Angriffe</translation>
    </message>
    <message>
        <source>Submarine advantages/disadvantages</source>
        <translation>U-Boot-Vor-/Nachteile</translation>
    </message>
    <message>
        <source>Can attack air units (fighter)</source>
        <translation>Greift Flieger an (Jäger)</translation>
    </message>
    <message>
        <source>Ship must stay near land (trireme)</source>
        <translation>Bleibt an der Küste (Trireme)</translation>
    </message>
    <message>
        <source>Negates city walls (howitzer)</source>
        <translation>Ignoriert Mauern (Haubitze)</translation>
    </message>
    <message>
        <source> Can carry air units (carrier)</source>
        <translation> Trägt Flieger (Flugzeugträger)</translation>
    </message>
    <message>
        <source> Can make paradrops</source>
        <translation> Fallschirmabsprung</translation>
    </message>
    <message>
        <source>Alpine (treats all squares as road)</source>
        <translation>Alpin (alles wie Straße)</translation>
    </message>
    <message>
        <source>x2 on defense versus horse (pikemen)</source>
        <translation>x2 Abwehr gg. Reiter (Pikeniere)</translation>
    </message>
    <message>
        <source>Free support for fundamentalism (fanatics)</source>
        <translation>Frei im Fundamentalismus (Fanatiker)</translation>
    </message>
    <message>
        <source>Destroyed after attacking (missiles)</source>
        <translation>Nach Angriff zerstört (Raketen)</translation>
    </message>
    <message>
        <source>x2 on defense versus air (AEGIS)</source>
        <translation>x2 Abwehr gg. Luft (AEGIS)</translation>
    </message>
    <message>
        <source>Unit can spot submarines</source>
        <translation>Ortet U-Boote</translation>
    </message>
</context>
<context>
    <name>ui::AboutPage</name>
    <message>
        <source>Notices</source>
        <translation>Hinweise</translation>
    </message>
    <message>
        <source>Freeware</source>
        <translation>Freeware</translation>
    </message>
</context>
<context>
    <name>ui::AdjustDialog</name>
    <message>
        <source>Adjust</source>
        <translation>Anpassen</translation>
    </message>
    <message>
        <source>Set to</source>
        <translation>Setzen auf</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Addieren</translation>
    </message>
    <message>
        <source>Multiply by percent</source>
        <translation>Mit Prozent multiplizieren</translation>
    </message>
    <message>
        <source>Value:</source>
        <translation>Wert:</translation>
    </message>
    <message>
        <source>1 cell will change.</source>
        <translation>1 Zelle wird geändert.</translation>
    </message>
    <message>
        <source>%1 cells will change.</source>
        <translation>%1 Zellen werden geändert.</translation>
    </message>
</context>
<context>
    <name>ui::AdvancesPage</name>
    <message>
        <source>Double-click or press &lt;Enter&gt; to edit name</source>
        <translation>Doppelklick oder &lt;Eingabe&gt; zum Umbenennen</translation>
    </message>
    <message>
        <source>Artificial Intelligence</source>
        <translation>Künstl. Intelligenz</translation>
    </message>
    <message>
        <source>Basic value at which computer players view this advance.</source>
        <translation>Grundwert dieses Fortschritts für Computerspieler.</translation>
    </message>
    <message>
        <source>Modifier</source>
        <translation>Modifikator</translation>
    </message>
    <message>
        <source>Modifier to value based on the &quot;civilized&quot; aspect of a leader&apos;s personality.  Positive values increase value for civilized leaders, decrease it for militaristic.  Negative values vice versa.</source>
        <translation>Ändert den Wert je nach „zivilisiertem“ Wesen des Herrschers.  Positiv: mehr für zivilisierte, weniger für militaristische.  Negativ: umgekehrt.</translation>
    </message>
    <message>
        <source>Prerequisites</source>
        <translation>Voraussetz.</translation>
    </message>
    <message>
        <source>What you have to invent in order to have this advance available</source>
        <translation>Was man erfinden muss, um diesen Fortschritt zu erhalten</translation>
    </message>
    <message>
        <source>Go To</source>
        <translation>Gehe zu</translation>
    </message>
    <message>
        <source>Goto Next</source>
        <translation>Nächster</translation>
    </message>
    <message>
        <source> Epoch </source>
        <translation> Epoche </translation>
    </message>
    <message>
        <source> Category </source>
        <translation> Kategorie </translation>
    </message>
    <message>
        <source>Basic value at which computer players views this advance.</source>
        <translation>Grundwert dieses Fortschritts für Computerspieler.</translation>
    </message>
    <message>
        <source>Modifier to value based on the &quot;civilized&quot; aspect of a leader&apos;s personality.</source>
        <translation>Ändert den Wert je nach „zivilisiertem“ Wesen des Herrschers.</translation>
    </message>
    <message>
        <source>Positive values increase value for civilized leaders, decrease it for militaristic.</source>
        <translation>Positiv: mehr für zivilisierte, weniger für militaristische Herrscher.</translation>
    </message>
    <message>
        <source>Negative values decrease value for civilized leaders, increase it for militaristic.</source>
        <translation>Negativ: weniger für zivilisierte, mehr für militaristische Herrscher.</translation>
    </message>
    <message>
        <source>Go Back To </source>
        <translation>Zurück zu </translation>
    </message>
    <message>
        <source>Allow you to develop </source>
        <translation>Ermöglicht </translation>
    </message>
    <message>
        <source>Allow you to develop nothing :)</source>
        <translation>Ermöglicht nichts :)</translation>
    </message>
    <message>
        <source>Advances</source>
        <translation>Fortschritte</translation>
    </message>
</context>
<context>
    <name>ui::CheckPage</name>
    <message>
        <source>Check</source>
        <translation>Test</translation>
    </message>
    <message>
        <source>Check (%1)</source>
        <translation>Test (%1)</translation>
    </message>
    <message>
        <source>Problems</source>
        <translation>Probleme</translation>
    </message>
    <message>
        <source>The problems the rules check found</source>
        <translation>Die Probleme, die die Regelprüfung gefunden hat</translation>
    </message>
    <message>
        <source>What would make the game misread these rules, as they are now. Double-click or press &lt;Enter&gt; to show the record.</source>
        <translation>Was das Spiel diese Regeln, so wie sie jetzt sind, falsch lesen ließe. Doppelklick oder &lt;Eingabe&gt; zeigt den Eintrag.</translation>
    </message>
    <message>
        <source>Double-click or press &lt;Enter&gt; to show the record; right-click or Ctrl+. for fixes</source>
        <translation>Doppelklick oder &lt;Eingabe&gt; zeigt den Eintrag; Rechtsklick oder Strg+. für Korrekturen</translation>
    </message>
    <message>
        <source>Show Them</source>
        <translation>Anzeigen</translation>
    </message>
    <message>
        <source>No rules file was loaded, so there is nothing to check.</source>
        <translation>Es wurde keine Regeldatei geladen, es gibt nichts zu prüfen.</translation>
    </message>
    <message>
        <source>No problems found.</source>
        <translation>Keine Probleme gefunden.</translation>
    </message>
    <message>
        <source>No problems shown.</source>
        <translation>Keine Probleme angezeigt.</translation>
    </message>
    <message>
        <source>%1 hidden</source>
        <translation>%1 ausgeblendet</translation>
    </message>
    <message>
        <source>Warnings of these kinds are hidden: %1</source>
        <translation>Warnungen dieser Arten sind ausgeblendet: %1</translation>
    </message>
</context>
<context>
    <name>ui::CompareWithDialog</name>
    <message>
        <source>Compare With %1</source>
        <translation>Vergleichen mit %1</translation>
    </message>
    <message>
        <source>What differs between the tables now and %1, each line as now -&gt; theirs. Take theirs copies their values of the selected lines into the tables, as one step you can undo; nothing is written until Save Changes. Lines outside the sections are shown but not taken. Double-click a line to see its record.</source>
        <translation>Was sich zwischen den Tabellen und %1 unterscheidet, jede Zeile als jetzt -&gt; ihre. Ihre übernehmen kopiert ihre Werte der gewählten Zeilen in die Tabellen, als ein rückgängig machbarer Schritt; geschrieben wird erst beim Speichern. Zeilen außerhalb der Abschnitte werden gezeigt, nicht übernommen. Doppelklick zeigt den Datensatz.</translation>
    </message>
    <message>
        <source>%1 cannot be compared: %2</source>
        <translation>%1 kann nicht verglichen werden: %2</translation>
    </message>
</context>
<context>
    <name>ui::ComparisonPanel</name>
    <message>
        <source>&amp;Take theirs</source>
        <translation>&amp;Ihre übernehmen</translation>
    </message>
    <message>
        <source>Copy their values of the selected differences into the tables, as one step you can undo. A record&apos;s row or a heading takes everything under it; Ctrl+A selects all.</source>
        <translation>Kopiert ihre Werte der gewählten Unterschiede in die Tabellen, als ein rückgängig machbarer Schritt. Eine Datensatzzeile oder Überschrift nimmt alles darunter; Strg+A wählt alles.</translation>
    </message>
    <message>
        <source>Take Theirs: %1 Fields</source>
        <translation>Ihre übernehmen: %1 Felder</translation>
    </message>
    <message>
        <source>Take Theirs: %1</source>
        <translation>Ihre übernehmen: %1</translation>
    </message>
    <message>
        <source>Differences</source>
        <translation>Unterschiede</translation>
    </message>
</context>
<context>
    <name>ui::CosmicPage</name>
    <message>
        <source>What each value means</source>
        <translation>Was jeder Wert bedeutet</translation>
    </message>
</context>
<context>
    <name>ui::DifferencesView</name>
    <message>
        <source>No differences.</source>
        <translation>Keine Unterschiede.</translation>
    </message>
    <message>
        <source>Only one side holds this row: there is no cell to take.</source>
        <translation>Nur eine Seite hat diese Zeile: keine Zelle zu übernehmen.</translation>
    </message>
    <message>
        <source>Other lines</source>
        <translation>Andere Zeilen</translation>
    </message>
    <message>
        <source>Lines outside the sections are shown, not taken.</source>
        <translation>Zeilen außerhalb der Abschnitte werden gezeigt, nicht übernommen.</translation>
    </message>
    <message>
        <source>Line %1: %2 -&gt; %3</source>
        <translation>Zeile %1: %2 -&gt; %3</translation>
    </message>
    <message>
        <source>Line %1 removed: %2</source>
        <translation>Zeile %1 entfernt: %2</translation>
    </message>
    <message>
        <source>Line %1 added: %2</source>
        <translation>Zeile %1 hinzugefügt: %2</translation>
    </message>
    <message>
        <source>Only one side holds this record: there is no field to take.</source>
        <translation>Nur eine Seite hat diesen Datensatz: kein Feld zu übernehmen.</translation>
    </message>
</context>
<context>
    <name>ui::DocumentEditor</name>
    <message>
        <source>Align Columns</source>
        <translation>Spalten ausrichten</translation>
    </message>
    <message>
        <source>Rename %1</source>
        <translation>%1 umbenennen</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 von %2</translation>
    </message>
    <message>
        <source>Set a cell</source>
        <translation>Zelle setzen</translation>
    </message>
    <message>
        <source>%1 of %2 (%3)</source>
        <translation>%1 von %2 (%3)</translation>
    </message>
    <message>
        <source>Row %1</source>
        <translation>Zeile %1</translation>
    </message>
</context>
<context>
    <name>ui::EarlierVersionsDialog</name>
    <message>
        <source>Earlier Versions of %1</source>
        <translation>Frühere Fassungen von %1</translation>
    </message>
    <message>
        <source>Kept</source>
        <translation>Gesichert</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Differences from now</source>
        <translation>Unterschiede zu jetzt</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 Bytes</translation>
    </message>
    <message>
        <source>Select a version to see what differs.</source>
        <translation>Fassung wählen, um Unterschiede zu sehen.</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>Make this version the document, as one step you can undo; nothing is written until Save Changes.</source>
        <translation>Diese Fassung zum Dokument machen, als ein rückgängig machbarer Schritt; geschrieben wird erst beim Speichern.</translation>
    </message>
    <message>
        <source>Each Save Changes keeps the file it replaces; the newest %1 are kept.</source>
        <translation>Jedes Speichern sichert die ersetzte Datei; die neuesten %1 bleiben.</translation>
    </message>
    <message>
        <source>Select it to compare</source>
        <translation>Zum Vergleichen wählen</translation>
    </message>
    <message>
        <source>Restore Version of %1</source>
        <translation>Fassung von %1 wiederherstellen</translation>
    </message>
    <message>
        <source>Kept versions</source>
        <translation>Aufbewahrte Versionen</translation>
    </message>
</context>
<context>
    <name>ui::ManualWindow</name>
    <message>
        <source>Manual</source>
        <translation>Handbuch</translation>
    </message>
    <message>
        <source>Search the manual (Enter: next)</source>
        <translation>Im Handbuch suchen (Eingabe: weiter)</translation>
    </message>
    <message>
        <source>Manual - %1</source>
        <translation>Handbuch - %1</translation>
    </message>
    <message>
        <source>Not found</source>
        <translation>Nicht gefunden</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Inhalt</translation>
    </message>
    <message>
        <source>Search the manual</source>
        <translation>Im Handbuch suchen</translation>
    </message>
    <message>
        <source>Chapter</source>
        <translation>Kapitel</translation>
    </message>
</context>
<context>
    <name>ui::MergeDialog</name>
    <message>
        <source>Merge: the base both files were made from</source>
        <translation>Zusammenführen: die gemeinsame Basis</translation>
    </message>
    <message>
        <source>Merge: their file, whose changes come in</source>
        <translation>Zusammenführen: ihre Datei mit den Änderungen</translation>
    </message>
    <message>
        <source>Merge %1</source>
        <translation>%1 zusammenführen</translation>
    </message>
    <message>
        <source>Merge: what both changed</source>
        <translation>Zusammenführen: was beide änderten</translation>
    </message>
    <message>
        <source>Below, what both sides changed differently: ours stays unless you take theirs. Nothing is written until Save Changes.</source>
        <translation>Unten, was beide Seiten verschieden änderten: unseres bleibt, außer Sie übernehmen ihres. Geschrieben wird erst beim Speichern.</translation>
    </message>
    <message>
        <source>Conflict</source>
        <translation>Konflikt</translation>
    </message>
    <message>
        <source>Base</source>
        <translation>Basis</translation>
    </message>
    <message>
        <source>Ours</source>
        <translation>Unseres</translation>
    </message>
    <message>
        <source>Theirs</source>
        <translation>Ihres</translation>
    </message>
    <message>
        <source>&amp;Take theirs</source>
        <translation>&amp;Ihre übernehmen</translation>
    </message>
    <message>
        <source>Take Theirs</source>
        <translation>Ihre übernehmen</translation>
    </message>
</context>
<context>
    <name>ui::MessageBoxes</name>
    <message>
        <source>%1 is not a rules file: it holds none of the sections @COSMIC, @CIVILIZE and @UNITS. Use it all the same?</source>
        <translation>%1 ist keine Regeldatei: sie enthält keinen der Abschnitte @COSMIC, @CIVILIZE und @UNITS. Trotzdem verwenden?</translation>
    </message>
</context>
<context>
    <name>ui::SectionTableModel</name>
    <message>
        <source>This row&apos;s line holds fewer values: there is nothing here to set.</source>
        <translation>Diese Zeile hat weniger Werte: hier ist nichts zu setzen.</translation>
    </message>
    <message>
        <source>On disk: &quot;%1&quot;</source>
        <translation>Auf der Platte: „%1“</translation>
    </message>
</context>
<context>
    <name>ui::SourcePage</name>
    <message>
        <source>Find</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Go to line</source>
        <translation>Gehe zu Zeile</translation>
    </message>
    <message>
        <source>Text of the rules file</source>
        <translation>Text der Regeldatei</translation>
    </message>
    <message>
        <source>Find (Ctrl+F)</source>
        <translation>Suchen (Strg+F)</translation>
    </message>
    <message>
        <source>Letter case ignored. Enter: next, Shift+Enter: previous, Escape: clear</source>
        <translation>Groß- und Kleinschreibung egal. Eingabe: nächster, Umschalt+Eingabe: voriger, Esc: leeren</translation>
    </message>
    <message>
        <source>Go to line (Ctrl+L)</source>
        <translation>Zeile (Strg+L)</translation>
    </message>
    <message>
        <source>A line number; Enter goes there, Escape goes back to the text</source>
        <translation>Eine Zeilennummer; Eingabe springt dorthin, Esc zurück zum Text</translation>
    </message>
</context>
<context>
    <name>ui::TMainForm</name>
    <message>
        <source>Ovantra Rules File Editor 1.01[*]</source>
        <translation>Ovantra Regeleditor 1.01[*]</translation>
    </message>
    <message>
        <source>Right-click for help</source>
        <translation>Rechtsklick für Hilfe</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Cosmic</source>
        <translation>Kosmos</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>Einheiten</translation>
    </message>
    <message>
        <source>Advances</source>
        <translation>Fortschritte</translation>
    </message>
    <message>
        <source>Tree</source>
        <translation>Baum</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Tabelle</translation>
    </message>
    <message>
        <source>%1.
The file is saved all the same, without keeping the one it replaces. This is said once until the editor is started again.</source>
        <translation>%1.
Die Datei wird trotzdem gespeichert, ohne die ersetzte zu sichern. Dies wird nur einmal je Sitzung gesagt.</translation>
    </message>
    <message>
        <source>The earlier versions of %1 take more than %2 MB, so the oldest of them were removed. This is said once until the editor is started again.</source>
        <translation>Die früheren Fassungen von %1 belegen mehr als %2 MB, die ältesten wurden entfernt. Dies wird nur einmal je Sitzung gesagt.</translation>
    </message>
    <message>
        <source>Save changes to %1 before closing?</source>
        <translation>Änderungen an %1 vor dem Schließen speichern?</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Do you really want to quit ?</source>
        <translation>Wirklich beenden?</translation>
    </message>
    <message>
        <source>No rules file was loaded, so there are no versions of it.</source>
        <translation>Keine Regeldatei geladen, also gibt es keine Fassungen.</translation>
    </message>
    <message>
        <source>No earlier version of %1 is kept yet: each Save Changes keeps the file it replaces in %2.</source>
        <translation>Noch keine frühere Fassung von %1 gesichert: jedes Speichern sichert die ersetzte Datei in %2.</translation>
    </message>
    <message>
        <source>No rules file was loaded, so there is nothing to compare.</source>
        <translation>Keine Regeldatei geladen, also nichts zu vergleichen.</translation>
    </message>
    <message>
        <source>Compare With</source>
        <translation>Vergleichen mit</translation>
    </message>
    <message>
        <source>Rules files (*.txt *.fre *.ger);;All files (*)</source>
        <translation>Regeldateien (*.txt *.fre *.ger);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>No rules file was loaded, so there is nothing to merge into.</source>
        <translation>Keine Regeldatei geladen, also nichts zum Zusammenführen.</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Sprache</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Save Changes</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>&amp;Earlier Versions...</source>
        <translation>&amp;Frühere Fassungen...</translation>
    </message>
    <message>
        <source>&amp;Compare With...</source>
        <translation>&amp;Vergleichen mit...</translation>
    </message>
    <message>
        <source>Alt+T</source>
        <translation>Alt+T</translation>
    </message>
    <message>
        <source>Take theirs: the selected differences</source>
        <translation>Ihre übernehmen: die gewählten Unterschiede</translation>
    </message>
    <message>
        <source>Ctrl+A</source>
        <translation>Strg+A</translation>
    </message>
    <message>
        <source>Select every difference</source>
        <translation>Alle Unterschiede wählen</translation>
    </message>
    <message>
        <source>Enter, double-click</source>
        <translation>Eingabe, Doppelklick</translation>
    </message>
    <message>
        <source>Show a difference&apos;s record</source>
        <translation>Datensatz eines Unterschieds zeigen</translation>
    </message>
    <message>
        <source>&amp;Merge...</source>
        <translation>&amp;Zusammenführen...</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Undo, wherever the focus is</source>
        <translation>Rückgängig, wo immer der Fokus ist</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Redo, wherever the focus is</source>
        <translation>Wiederholen, wo immer der Fokus ist</translation>
    </message>
    <message>
        <source>&amp;Align Columns</source>
        <translation>Spalten &amp;ausrichten</translation>
    </message>
    <message>
        <source>No rules file was loaded, so there is nothing to align.</source>
        <translation>Keine Regeldatei geladen, also nichts auszurichten.</translation>
    </message>
    <message>
        <source>Every column is aligned already.</source>
        <translation>Alle Spalten sind schon ausgerichtet.</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Manual</source>
        <translation>&amp;Handbuch</translation>
    </message>
    <message>
        <source>&amp;Keyboard Shortcuts</source>
        <translation>&amp;Tastenkürzel</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Info</translation>
    </message>
    <message>
        <source>The %1 page</source>
        <translation>Die Seite %1</translation>
    </message>
    <message>
        <source>Save Changes</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
</context>
<context>
    <name>ui::TablePage</name>
    <message>
        <source>Filter by name</source>
        <translation>Nach Namen filtern</translation>
    </message>
    <message>
        <source>Records</source>
        <translation>Einträge</translation>
    </message>
</context>
<context>
    <name>ui::TreePage</name>
    <message>
        <source>Find an advance</source>
        <translation>Fortschritt suchen</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Einpassen</translation>
    </message>
    <message>
        <source>Show the whole tree</source>
        <translation>Den ganzen Baum zeigen</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>Exportieren...</translation>
    </message>
    <message>
        <source>Save the tree as an SVG or PNG picture, or as a DOT graph</source>
        <translation>Den Baum als SVG- oder PNG-Bild oder als DOT-Graph speichern</translation>
    </message>
    <message>
        <source>Wheel: zoom. Drag: move. Click an advance to show it on the Advances page. Drag from one advance onto another to make it its prerequisite.</source>
        <translation>Mausrad: Zoom. Ziehen: verschieben. Ein Klick auf einen Fortschritt zeigt ihn auf der Seite Fortschritte. Einen Fortschritt auf einen anderen ziehen macht ihn zu dessen Voraussetzung.</translation>
    </message>
    <message>
        <source>Find an advance (Ctrl+F)</source>
        <translation>Fortschritt suchen (Strg+F)</translation>
    </message>
    <message>
        <source>Name or abbreviation. Enter: next, Shift+Enter: previous, Escape: clear</source>
        <translation>Name oder Abkürzung. Eingabe: nächster, Umschalt+Eingabe: voriger, Esc: leeren</translation>
    </message>
    <message>
        <source>Only what it needs and opens</source>
        <translation>Nur was er braucht und eröffnet</translation>
    </message>
    <message>
        <source>Show only the advance on show, all it needs and all it opens</source>
        <translation>Nur den gezeigten Fortschritt, alles was er braucht und alles was er eröffnet</translation>
    </message>
</context>
<context>
    <name>ui::UnitsPage</name>
    <message>
        <source>Double-click or press &lt;Enter&gt; to edit name</source>
        <translation>Doppelklick oder &lt;Eingabe&gt; zum Umbenennen</translation>
    </message>
    <message>
        <source>Maximum moves in a turn</source>
        <translation>Züge pro Runde</translation>
    </message>
    <message>
        <source>Number of rounds in flight ?</source>
        <translation>Runden im Flug ?</translation>
    </message>
    <message>
        <source>This affects the air units</source>
        <translation>Betrifft die Lufteinheiten</translation>
    </message>
    <message>
        <source>Attack strength</source>
        <translation>Angriffsstärke</translation>
    </message>
    <message>
        <source>Hit points</source>
        <translation>Trefferpunkte</translation>
    </message>
    <message>
        <source>Amount of dommage the unit can take</source>
        <translation>Schaden, den die Einheit einstecken kann</translation>
    </message>
    <message>
        <source>Shields cost</source>
        <translation>Kosten (Schilde)</translation>
    </message>
    <message>
        <source>Number of shields row to build it</source>
        <translation>Schildreihen für den Bau</translation>
    </message>
    <message>
        <source> Domain of Activity ? </source>
        <translation> Einsatzbereich ? </translation>
    </message>
    <message>
        <source>Defense Strength</source>
        <translation>Verteidigung</translation>
    </message>
    <message>
        <source>Fire Power</source>
        <translation>Feuerkraft</translation>
    </message>
    <message>
        <source>Holds On Ship</source>
        <translation>Ladung</translation>
    </message>
    <message>
        <source>When does it become obsolete ?</source>
        <translation>Wann veraltet sie ?</translation>
    </message>
    <message>
        <source>Prerequisite Advance</source>
        <translation>Nötiger Fortschritt</translation>
    </message>
    <message>
        <source> Unit Role </source>
        <translation> Rolle der Einheit </translation>
    </message>
    <message>
        <source> Special Behaviour </source>
        <translation> Besondere Fähigkeiten </translation>
    </message>
    <message>
        <source>Units</source>
        <translation>Einheiten</translation>
    </message>
</context>
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>QObject</name>
    <message>
        <source>%1 cannot be merged: %2</source>
        <translation>%1 ne peut être fusionné : %2</translation>
    </message>
    <message>
        <source>Rules files (*.txt *.fre *.ger);;All files (*)</source>
        <translation>Fichiers de règles (*.txt *.fre *.ger);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Cosmic values</source>
        <translation>Valeurs cosmiques</translation>
    </message>
    <message>
        <source>Advances</source>
        <translation>Progrès</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>Unités</translation>
    </message>
</context>
<context>
    <name>rules::Choice</name>
    <message>
        <source>Land</source>
        <translation>Terre</translation>
    </message>
    <message>
        <source>Air</source>
        <translation>Air</translation>
    </message>
    <message>
        <source>Sea</source>
        <translation>Mer</translation>
    </message>
    <message>
        <source>Attack</source>
        <translation>Attaque</translation>
    </message>
    <message>
        <source>Defend</source>
        <translation>Défense</translation>
    </message>
    <message>
        <source>Naval Superiority</source>
        <translation>Supériorité navale</translation>
    </message>
    <message>
        <source>Air Superiority</source>
        <translation>Supériorité aérienne</translation>
    </message>
    <message>
        <source>Sea Transport</source>
        <translation>Transport naval</translation>
    </message>
    <message>
        <source>Settle</source>
        <translation>Colonisation</translation>
    </message>
    <message>
        <source>Diplomacy</source>
        <translation>Diplomatie</translation>
    </message>
    <message>
        <source>Trade</source>
        <translation>Commerce</translation>
    </message>
    <message>
        <source>Ancient</source>
        <translation>Antiquité</translation>
    </message>
    <message>
        <source>Renaissance</source>
        <translation>Renaissance</translation>
    </message>
    <message>
        <source>Industrial Revolution</source>
        <translation>Révolution industrielle</translation>
    </message>
    <message>
        <source>Modern</source>
        <translation>Moderne</translation>
    </message>
    <message>
        <source>Military</source>
        <translation>Militaire</translation>
    </message>
    <message>
        <source>Economic</source>
        <translation>Économique</translation>
    </message>
    <message>
        <source>Social</source>
        <translation>Social</translation>
    </message>
    <message>
        <source>Academic</source>
        <translation>Académique</translation>
    </message>
    <message>
        <source>Applied</source>
        <translation>Appliqué</translation>
    </message>
</context>
<context>
    <name>rules::Column</name>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Obsolete by</source>
        <translation>Obsolète par</translation>
    </message>
    <message>
        <source>Domain</source>
        <translation>Domaine</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>Mouv.</translation>
    </message>
    <message>
        <source>Rounds</source>
        <translation>Tours</translation>
    </message>
    <message>
        <source>Attack</source>
        <translation>Attaque</translation>
    </message>
    <message>
        <source>Defense</source>
        <translation>Défense</translation>
    </message>
    <message>
        <source>Hit points</source>
        <translation>Points de vie</translation>
    </message>
    <message>
        <source>Firepower</source>
        <translation>Puissance</translation>
    </message>
    <message>
        <source>Cost</source>
        <translation>Coût</translation>
    </message>
    <message>
        <source>Hold</source>
        <translation>Capacité</translation>
    </message>
    <message>
        <source>Role</source>
        <translation>Rôle</translation>
    </message>
    <message>
        <source>Prerequisite</source>
        <translation>Prérequis</translation>
    </message>
    <message>
        <source>Flags</source>
        <translation>Capacités</translation>
    </message>
    <message>
        <source>AI value</source>
        <translation>Valeur IA</translation>
    </message>
    <message>
        <source>Modifier</source>
        <translation>Modificateur</translation>
    </message>
    <message>
        <source>Prerequisite 1</source>
        <translation>Prérequis 1</translation>
    </message>
    <message>
        <source>Prerequisite 2</source>
        <translation>Prérequis 2</translation>
    </message>
    <message>
        <source>Epoch</source>
        <translation>Époque</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Catégorie</translation>
    </message>
    <message>
        <source>Abbreviation</source>
        <translation>Abréviation</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valeur</translation>
    </message>
</context>
<context>
    <name>rules::Flag</name>
    <message>
        <source>Two space visibility</source>
        <translation>Vision à deux cases</translation>
    </message>
    <message>
        <source>Ignore zones of control</source>
        <translation>Ignore les zones de contrôle</translation>
    </message>
    <message>
        <source>Can make amphibious assaults</source>
        <translation>Assauts amphibies</translation>
    </message>
    <message>
        <source>Submarine advantages/disadvantages</source>
        <translation>Avantages/défauts sous-marin</translation>
    </message>
    <message>
        <source>Can attack air units (fighter)</source>
        <translation>Attaque les avions (chasseur)</translation>
    </message>
    <message>
        <source>Ship must stay near land (trireme)</source>
        <translation>Reste près des côtes (trirème)</translation>
    </message>
    <message>
        <source>Negates city walls (howitzer)</source>
        <translation>Ignore les remparts (obusier)</translation>
    </message>
    <message>
        <source> Can carry air units (carrier)</source>
        <translation> Porte des avions (porte-avions)</translation>
    </message>
    <message>
        <source> Can make paradrops</source>
        <translation> Parachutage</translation>
    </message>
    <message>
        <source>Alpine (treats all squares as road)</source>
        <translation>Alpin (tout terrain = route)</translation>
    </message>
    <message>
        <source>x2 on defense versus horse (pikemen)</source>
        <translation>x2 en défense/cavalerie (piquiers)</translation>
    </message>
    <message>
        <source>Free support for fundamentalism (fanatics)</source>
        <translation>Gratuit en intégrisme (fanatiques)</translation>
    </message>
    <message>
        <source>Destroyed after attacking (missiles)</source>
        <translation>Détruit après attaque (missiles)</translation>
    </message>
    <message>
        <source>x2 on defense versus air (AEGIS)</source>
        <translation>x2 en défense/air (AEGIS)</translation>
    </message>
    <message>
        <source>Unit can spot submarines</source>
        <translation>Repère les sous-marins</translation>
    </message>
</context>
<context>
    <name>ui::AboutPage</name>
    <message>
        <source>Notices</source>
        <translation>Avis</translation>
    </message>
    <message>
        <source>Freeware</source>
        <translation>Logiciel libre</translation>
    </message>
</context>
<context>
    <name>ui::AdjustDialog</name>
    <message>
        <source>Adjust</source>
        <translation>Ajuster</translation>
    </message>
    <message>
        <source>Set to</source>
        <translation>Fixer à</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Multiply by percent</source>
        <translation>Multiplier par un pourcentage</translation>
    </message>
    <message>
        <source>Value:</source>
        <translation>Valeur :</translation>
    </message>
    <message>
        <source>1 cell will change.</source>
        <translation>1 cellule va changer.</translation>
    </message>
    <message>
        <source>%1 cells will change.</source>
        <translation>%1 cellules vont changer.</translation>
    </message>
</context>
<context>
    <name>ui::AdvancesPage</name>
    <message>
        <source>Double-click or press &lt;Enter&gt; to edit name</source>
        <translation>Double-clic ou &lt;Entrée&gt; pour renommer</translation>
    </message>
    <message>
        <source>Artificial Intelligence</source>
        <translation>Intelligence artif.</translation>
    </message>
    <message>
        <source>Basic value at which computer players view this advance.</source>
        <translation>Valeur de base de ce progrès pour l&apos;ordinateur.</translation>
    </message>
    <message>
        <source>Modifier</source>
        <translation>Modificateur</translation>
    </message>
    <message>
        <source>Modifier to value based on the &quot;civilized&quot; aspect of a leader&apos;s personality.  Positive values increase value for civilized leaders, decrease it for militaristic.  Negative values vice versa.</source>
        <translation>Modifie la valeur selon le caractère « civilisé » du dirigeant.  Positif : plus pour les civilisés, moins pour les militaristes.  Négatif : l&apos;inverse.</translation>
    </message>
    <message>
        <source>Prerequisites</source>
        <translation>Prérequis</translation>
    </message>
    <message>
        <source>What you have to invent in order to have this advance available</source>
        <translation>Ce qu&apos;il faut découvrir pour accéder à ce progrès</translation>
    </message>
    <message>
        <source>Go To</source>
        <translation>Aller à</translation>
    </message>
    <message>
        <source>Goto Next</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source> Epoch </source>
        <translation> Époque </translation>
    </message>
    <message>
        <source> Category </source>
        <translation> Catégorie </translation>
    </message>
    <message>
        <source>Basic value at which computer players views this advance.</source>
        <translation>Valeur de base de ce progrès pour l&apos;ordinateur.</translation>
    </message>
    <message>
        <source>Modifier to value based on the &quot;civilized&quot; aspect of a leader&apos;s personality.</source>
        <translation>Modifie la valeur selon le caractère « civilisé » du dirigeant.</translation>
    </message>
    <message>
        <source>Positive values increase value for civilized leaders, decrease it for militaristic.</source>
        <translation>Positif : plus pour les civilisés, moins pour les militaristes.</translation>
    </message>
    <message>
        <source>Negative values decrease value for civilized leaders, increase it for militaristic.</source>
        <translation>Négatif : moins pour les civilisés, plus pour les militaristes.</translation>
    </message>
    <message>
        <source>Go Back To </source>
        <translation>Retour à </translation>
    </message>
    <message>
        <source>Allow you to develop </source>
        <translation>Permet de développer </translation>
    </message>
    <message>
        <source>Allow you to develop nothing :)</source>
        <translation>Ne permet rien :)</translation>
    </message>
    <message>
        <source>Advances</source>
        <translation>Progrès</translation>
    </message>
</context>
<context>
    <name>ui::CheckPage</name>
    <message>
        <source>Check</source>
        <translation>Contrôle</translation>
    </message>
    <message>
        <source>Check (%1)</source>
        <translation>Contrôle (%1)</translation>
    </message>
    <message>
        <source>Problems</source>
        <translation>Problèmes</translation>
    </message>
    <message>
        <source>The problems the rules check found</source>
        <translation>Les problèmes trouvés par le contrôle des règles</translation>
    </message>
    <message>
        <source>What would make the game misread these rules, as they are now. Double-click or press &lt;Enter&gt; to show the record.</source>
        <translation>Ce qui ferait mal lire ces règles au jeu, telles qu&apos;elles sont. Double-clic ou &lt;Entrée&gt; pour afficher l&apos;enregistrement.</translation>
    </message>
    <message>
        <source>Double-click or press &lt;Enter&gt; to show the record; right-click or Ctrl+. for fixes</source>
        <translation>Double-clic ou &lt;Entrée&gt; pour afficher l&apos;enregistrement ; clic droit ou Ctrl+. pour les corrections</translation>
    </message>
    <message>
        <source>Show Them</source>
        <translation>Les afficher</translation>
    </message>
    <message>
        <source>No rules file was loaded, so there is nothing to check.</source>
        <translation>Aucun fichier de règles n&apos;a été chargé : il n&apos;y a rien à contrôler.</translation>
    </message>
    <message>
        <source>No problems found.</source>
        <translation>Aucun problème trouvé.</translation>
    </message>
    <message>
        <source>No problems shown.</source>
        <translation>Aucun problème affiché.</translation>
    </message>
    <message>
        <source>%1 hidden</source>
        <translation>%1 masqués</translation>
    </message>
    <message>
        <source>Warnings of these kinds are hidden: %1</source>
        <translation>Les avertissements de ces types sont masqués : %1</translation>
    </message>
</context>
<context>
    <name>ui::CompareWithDialog</name>
    <message>
        <source>Compare With %1</source>
        <translation>Comparer avec %1</translation>
    </message>
    <message>
        <source>What differs between the tables now and %1, each line as now -&gt; theirs. Take theirs copies their values of the selected lines into the tables, as one step you can undo; nothing is written until Save Changes. Lines outside the sections are shown but not taken. Double-click a line to see its record.</source>
        <translation>Ce qui diffère entre les tables et %1, chaque ligne : maintenant -&gt; la leur. Prendre la leur copie leurs valeurs des lignes choisies dans les tables, en une étape annulable ; rien n&apos;est écrit avant Enregistrer. Les lignes hors sections sont montrées, pas prises. Double-cliquez une ligne pour voir son enregistrement.</translation>
    </message>
    <message>
        <source>%1 cannot be compared: %2</source>
        <translation>%1 ne peut être comparé : %2</translation>
    </message>
</context>
<context>
    <name>ui::ComparisonPanel</name>
    <message>
        <source>&amp;Take theirs</source>
        <translation>&amp;Prendre la leur</translation>
    </message>
    <message>
        <source>Copy their values of the selected differences into the tables, as one step you can undo. A record&apos;s row or a heading takes everything under it; Ctrl+A selects all.</source>
        <translation>Copie leurs valeurs des différences choisies dans les tables, en une étape annulable. La ligne d&apos;un enregistrement ou un titre prend tout ce qu&apos;il contient ; Ctrl+A choisit tout.</translation>
    </message>
    <message>
        <source>Take Theirs: %1 Fields</source>
        <translation>Prendre la leur : %1 champs</translation>
    </message>
    <message>
        <source>Take Theirs: %1</source>
        <translation>Prendre la leur : %1</translation>
    </message>
    <message>
        <source>Differences</source>
        <translation>Différences</translation>
    </message>
</context>
<context>
    <name>ui::CosmicPage</name>
    <message>
        <source>What each value means</source>
        <translation>Ce que signifie chaque valeur</translation>
    </message>
</context>
<context>
    <name>ui::DifferencesView</name>
    <message>
        <source>No differences.</source>
        <translation>Aucune différence.</translation>
    </message>
    <message>
        <source>Only one side holds this row: there is no cell to take.</source>
        <translation>Un seul côté a cette ligne : aucune cellule à prendre.</translation>
    </message>
    <message>
        <source>Other lines</source>
        <translation>Autres lignes</translation>
    </message>
    <message>
        <source>Lines outside the sections are shown, not taken.</source>
        <translation>Les lignes hors sections sont montrées, pas prises.</translation>
    </message>
    <message>
        <source>Line %1: %2 -&gt; %3</source>
        <translation>Ligne %1 : %2 -&gt; %3</translation>
    </message>
    <message>
        <source>Line %1 removed: %2</source>
        <translation>Ligne %1 supprimée : %2</translation>
    </message>
    <message>
        <source>Line %1 added: %2</source>
        <translation>Ligne %1 ajoutée : %2</translation>
    </message>
    <message>
        <source>Only one side holds this record: there is no field to take.</source>
        <translation>Un seul côté a cet enregistrement : aucun champ à prendre.</translation>
    </message>
</context>
<context>
    <name>ui::DocumentEditor</name>
    <message>
        <source>Align Columns</source>
        <translation>Aligner les colonnes</translation>
    </message>
    <message>
        <source>Rename %1</source>
        <translation>Renommer %1</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>Set a cell</source>
        <translation>Modifier une cellule</translation>
    </message>
    <message>
        <source>%1 of %2 (%3)</source>
        <translation>%1 de %2 (%3)</translation>
    </message>
    <message>
        <source>Row %1</source>
        <translation>Ligne %1</translation>
    </message>
</context>
<context>
    <name>ui::EarlierVersionsDialog</name>
    <message>
        <source>Earlier Versions of %1</source>
        <translation>Versions antérieures de %1</translation>
    </message>
    <message>
        <source>Kept</source>
        <translation>Conservée</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>Differences from now</source>
        <translation>Différences avec maintenant</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 octets</translation>
    </message>
    <message>
        <source>Select a version to see what differs.</source>
        <translation>Choisissez une version pour voir les différences.</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restaurer</translation>
    </message>
    <message>
        <source>Make this version the document, as one step you can undo; nothing is written until Save Changes.</source>
        <translation>Faire de cette version le document, en une étape annulable ; rien n&apos;est écrit avant Enregistrer.</translation>
    </message>
    <message>
        <source>Each Save Changes keeps the file it replaces; the newest %1 are kept.</source>
        <translation>Chaque enregistrement conserve le fichier remplacé ; les %1 plus récents sont gardés.</translation>
    </message>
    <message>
        <source>Select it to compare</source>
        <translation>Choisissez-la pour comparer</translation>
    </message>
    <message>
        <source>Restore Version of %1</source>
        <translation>Restaurer une version de %1</translation>
    </message>
    <message>
        <source>Kept versions</source>
        <translation>Versions conservées</translation>
    </message>
</context>
<context>
    <name>ui::ManualWindow</name>
    <message>
        <source>Manual</source>
        <translation>Manuel</translation>
    </message>
    <message>
        <source>Search the manual (Enter: next)</source>
        <translation>Chercher dans le manuel (Entrée : suivant)</translation>
    </message>
    <message>
        <source>Manual - %1</source>
        <translation>Manuel - %1</translation>
    </message>
    <message>
        <source>Not found</source>
        <translation>Introuvable</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Sommaire</translation>
    </message>
    <message>
        <source>Search the manual</source>
        <translation>Chercher dans le manuel</translation>
    </message>
    <message>
        <source>Chapter</source>
        <translation>Chapitre</translation>
    </message>
</context>
<context>
    <name>ui::MergeDialog</name>
    <message>
        <source>Merge: the base both files were made from</source>
        <translation>Fusion : la base des deux fichiers</translation>
    </message>
    <message>
        <source>Merge: their file, whose changes come in</source>
        <translation>Fusion : leur fichier, dont viennent les changements</translation>
    </message>
    <message>
        <source>Merge %1</source>
        <translation>Fusionner %1</translation>
    </message>
    <message>
        <source>Merge: what both changed</source>
        <translation>Fusion : ce que les deux ont changé</translation>
    </message>
    <message>
        <source>Below, what both sides changed differently: ours stays unless you take theirs. Nothing is written until Save Changes.</source>
        <translation>Ci-dessous, ce que les deux côtés ont changé différemment : le nôtre reste sauf si vous prenez le leur. Rien n&apos;est écrit avant Enregistrer.</translation>
    </message>
    <message>
        <source>Conflict</source>
        <translation>Conflit</translation>
    </message>
    <message>
        <source>Base</source>
        <translation>Base</translation>
    </message>
    <message>
        <source>Ours</source>
        <translation>Le nôtre</translation>
    </message>
    <message>
        <source>Theirs</source>
        <translation>Le leur</translation>
    </message>
    <message>
        <source>&amp;Take theirs</source>
        <translation>&amp;Prendre la leur</translation>
    </message>
    <message>
        <source>Take Theirs</source>
        <translation>Prendre la leur</translation>
    </message>
</context>
<context>
    <name>ui::MessageBoxes</name>
    <message>
        <source>%1 is not a rules file: it holds none of the sections @COSMIC, @CIVILIZE and @UNITS. Use it all the same?</source>
        <translation>%1 n&apos;est pas un fichier de règles : il ne contient aucune des sections @COSMIC, @CIVILIZE et @UNITS. L&apos;utiliser quand même ?</translation>
    </message>
</context>
<context>
    <name>ui::SectionTableModel</name>
    <message>
        <source>This row&apos;s line holds fewer values: there is nothing here to set.</source>
        <translation>La ligne de cette rangée a moins de valeurs : rien à modifier ici.</translation>
    </message>
    <message>
        <source>On disk: &quot;%1&quot;</source>
        <translation>Sur le disque : « %1 »</translation>
    </message>
</context>
<context>
    <name>ui::SourcePage</name>
    <message>
        <source>Find</source>
        <translation>Chercher</translation>
    </message>
    <message>
        <source>Go to line</source>
        <translation>Aller à la ligne</translation>
    </message>
    <message>
        <source>Text of the rules file</source>
        <translation>Texte du fichier de règles</translation>
    </message>
    <message>
        <source>Find (Ctrl+F)</source>
        <translation>Chercher (Ctrl+F)</translation>
    </message>
    <message>
        <source>Letter case ignored. Enter: next, Shift+Enter: previous, Escape: clear</source>
        <translation>Sans tenir compte de la casse. Entrée : suivant, Maj+Entrée : précédent, Échap : effacer</translation>
    </message>
    <message>
        <source>Go to line (Ctrl+L)</source>
        <translation>Ligne (Ctrl+L)</translation>
    </message>
    <message>
        <source>A line number; Enter goes there, Escape goes back to the text</source>
        <translation>Un numéro de ligne ; Entrée y va, Échap revient au texte</translation>
    </message>
</context>
<context>
    <name>ui::TMainForm</name>
    <message>
        <source>Ovantra Rules File Editor 1.01[*]</source>
        <translation>Éditeur de règles Ovantra 1.01[*]</translation>
    </message>
    <message>
        <source>Right-click for help</source>
        <translation>Clic droit pour l&apos;aide</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Infos</translation>
    </message>
    <message>
        <source>Cosmic</source>
        <translation>Cosmos</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>Unités</translation>
    </message>
    <message>
        <source>Advances</source>
        <translation>Progrès</translation>
    </message>
    <message>
        <source>Tree</source>
        <translation>Arbre</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Table</translation>
    </message>
    <message>
        <source>%1.
The file is saved all the same, without keeping the one it replaces. This is said once until the editor is started again.</source>
        <translation>%1.
Le fichier est tout de même enregistré, sans garder celui qu&apos;il remplace. Ce message n&apos;apparaît qu&apos;une fois par session.</translation>
    </message>
    <message>
        <source>The earlier versions of %1 take more than %2 MB, so the oldest of them were removed. This is said once until the editor is started again.</source>
        <translation>Les versions antérieures de %1 dépassent %2 Mo : les plus anciennes ont été supprimées. Ce message n&apos;apparaît qu&apos;une fois par session.</translation>
    </message>
    <message>
        <source>Save changes to %1 before closing?</source>
        <translation>Enregistrer les modifications de %1 avant de fermer ?</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Do you really want to quit ?</source>
        <translation>Voulez-vous vraiment quitter ?</translation>
    </message>
    <message>
        <source>No rules file was loaded, so there are no versions of it.</source>
        <translation>Aucun fichier de règles chargé : il n&apos;en existe aucune version.</translation>
    </message>
    <message>
        <source>No earlier version of %1 is kept yet: each Save Changes keeps the file it replaces in %2.</source>
        <translation>Aucune version antérieure de %1 n&apos;est encore conservée : chaque enregistrement garde le fichier remplacé dans %2.</translation>
    </message>
    <message>
        <source>No rules file was loaded, so there is nothing to compare.</source>
        <translation>Aucun fichier de règles chargé : rien à comparer.</translation>
    </message>
    <message>
        <source>Compare With</source>
        <translation>Comparer avec</translation>
    </message>
    <message>
        <source>Rules files (*.txt *.fre *.ger);;All files (*)</source>
        <translation>Fichiers de règles (*.txt *.fre *.ger);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>No rules file was loaded, so there is nothing to merge into.</source>
        <translation>Aucun fichier de règles chargé : rien où fusionner.</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Langue</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Source</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Save Changes</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>&amp;Earlier Versions...</source>
        <translation>&amp;Versions antérieures...</translation>
    </message>
    <message>
        <source>&amp;Compare With...</source>
        <translation>&amp;Comparer avec...</translation>
    </message>
    <message>
        <source>Alt+T</source>
        <translation>Alt+T</translation>
    </message>
    <message>
        <source>Take theirs: the selected differences</source>
        <translation>Prendre la leur : les différences choisies</translation>
    </message>
    <message>
        <source>Ctrl+A</source>
        <translation>Ctrl+A</translation>
    </message>
    <message>
        <source>Select every difference</source>
        <translation>Choisir toutes les différences</translation>
    </message>
    <message>
        <source>Enter, double-click</source>
        <translation>Entrée, double-clic</translation>
    </message>
    <message>
        <source>Show a difference&apos;s record</source>
        <translation>Montrer l&apos;enregistrement d&apos;une différence</translation>
    </message>
    <message>
        <source>&amp;Merge...</source>
        <translation>&amp;Fusionner...</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Undo, wherever the focus is</source>
        <translation>Annuler, où que soit le focus</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <source>Redo, wherever the focus is</source>
        <translation>Rétablir, où que soit le focus</translation>
    </message>
    <message>
        <source>&amp;Align Columns</source>
        <translation>&amp;Aligner les colonnes</translation>
    </message>
    <message>
        <source>No rules file was loaded, so there is nothing to align.</source>
        <translation>Aucun fichier de règles chargé : rien à aligner.</translation>
    </message>
    <message>
        <source>Every column is aligned already.</source>
        <translation>Toutes les colonnes sont déjà alignées.</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Manual</source>
        <translation>&amp;Manuel</translation>
    </message>
    <message>
        <source>&amp;Keyboard Shortcuts</source>
        <translation>&amp;Raccourcis clavier</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>The %1 page</source>
        <translation>La page %1</translation>
    </message>
    <message>
        <source>Save Changes</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
</context>
<context>
    <name>ui::TablePage</name>
    <message>
        <source>Filter by name</source>
        <translation>Filtrer par nom</translation>
    </message>
    <message>
        <source>Records</source>
        <translation>Enregistrements</translation>
    </message>
</context>
<context>
    <name>ui::TreePage</name>
    <message>
        <source>Find an advance</source>
        <translation>Chercher un progrès</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Ajuster</translation>
    </message>
    <message>
        <source>Show the whole tree</source>
        <translation>Afficher tout l&apos;arbre</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>Exporter...</translation>
    </message>
    <message>
        <source>Save the tree as an SVG or PNG picture, or as a DOT graph</source>
        <translation>Enregistrer l&apos;arbre en image SVG ou PNG, ou en graphe DOT</translation>
    </message>
    <message>
        <source>Wheel: zoom. Drag: move. Click an advance to show it on the Advances page. Drag from one advance onto another to make it its prerequisite.</source>
        <translation>Molette : zoom. Glisser : déplacer. Cliquer sur un progrès l&apos;affiche sur la page Progrès. Glisser un progrès sur un autre en fait son prérequis.</translation>
    </message>
    <message>
        <source>Find an advance (Ctrl+F)</source>
        <translation>Chercher un progrès (Ctrl+F)</translation>
    </message>
    <message>
        <source>Name or abbreviation. Enter: next, Shift+Enter: previous, Escape: clear</source>
        <translation>Nom ou abréviation. Entrée : suivant, Maj+Entrée : précédent, Échap : effacer</translation>
    </message>
    <message>
        <source>Only what it needs and opens</source>
        <translation>Seulement ce qu&apos;il exige et ouvre</translation>
    </message>
    <message>
        <source>Show only the advance on show, all it needs and all it opens</source>
        <translation>N&apos;afficher que le progrès affiché, tout ce qu&apos;il exige et tout ce qu&apos;il ouvre</translation>
    </message>
</context>
<context>
    <name>ui::UnitsPage</name>
    <message>
        <source>Double-click or press &lt;Enter&gt; to edit name</source>
        <translation>Double-clic ou &lt;Entrée&gt; pour renommer</translation>
    </message>
    <message>
        <source>Maximum moves in a turn</source>
        <translation>Mouvements par tour</translation>
    </message>
    <message>
        <source>Number of rounds in flight ?</source>
        <translation>Tours de vol ?</translation>
    </message>
    <message>
        <source>This affects the air units</source>
        <translation>Concerne les unités aériennes</translation>
    </message>
    <message>
        <source>Attack strength</source>
        <translation>Attaque</translation>
    </message>
    <message>
        <source>Hit points</source>
        <translation>Points de vie</translation>
    </message>
    <message>
        <source>Amount of dommage the unit can take</source>
        <translation>Dégâts que l&apos;unité peut subir</translation>
    </message>
    <message>
        <source>Shields cost</source>
        <translation>Coût en boucliers</translation>
    </message>
    <message>
        <source>Number of shields row to build it</source>
        <translation>Rangées de boucliers pour la construire</translation>
    </message>
    <message>
        <source> Domain of Activity ? </source>
        <translation> Domaine d&apos;activité ? </translation>
    </message>
    <message>
        <source>Defense Strength</source>
        <translation>Défense</translation>
    </message>
    <message>
        <source>Fire Power</source>
        <translation>Puissance</translation>
    </message>
    <message>
        <source>Holds On Ship</source>
        <translation>Capacité</translation>
    </message>
    <message>
        <source>When does it become obsolete ?</source>
        <translation>Quand devient-elle obsolète ?</translation>
    </message>
    <message>
        <source>Prerequisite Advance</source>
        <translation>Progrès requis</translation>
    </message>
    <message>
        <source> Unit Role </source>
        <translation> Rôle de l&apos;unité </translation>
    </message>
    <message>
        <source> Special Behaviour </source>
        <translation> Capacités spéciales </translation>
    </message>
    <message>
        <source>Units</source>
        <translation>Unités</translation>
    </message>
</context>
</TS>

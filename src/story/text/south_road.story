# The south road, the armed way south from the crossroads of "Das Erwachen":
# on the road to the smoke the hero meets Bittersport, a bard with a lute and
# a name that is better not laughed at.
#
# Markup (docs/story-markup.md): "=== name" starts a passage; every line is
# printed with a line end, "\" at its end glues it to what comes next, "~"
# alone is an empty line; {speech} {good} {bad} {normal} set the colour
# from there on; {name} is the hero's name; {n} a line end inside a
# sentence; {_} a blank that would otherwise be invisible; {‚} {‘} {„}
# quotation marks shown only without colours. "{option 1 >} Text" is an
# option line (> golden: it moves the story on; "again", "on", "dies" for
# the others), "{quit} Beenden" the quit line, {hint} the hint line. Blank
# lines and lines starting with # are ignored.

=== walk_south
Du packst dein Schwert und marschierst los.
Eine Weile folgst du der Straße, ohne jemandem oder etwas zu begegnen.
Unterwegs denkst du über das Geschehene nach. Noch immer weißt du nicht, wie du hierhergekommen bist.
Das Letzte, woran du dich erinnerst, ist, dass du an deinem PC gesessen hast und ein neues Spiel ausprobieren wolltest. Dann musst du wohl eingeschlafen sein.
Ist das alles vielleicht nur ein Traum? Doch als du dich kneifst, tut es weh, und du wachst nicht auf.
Du seufzt. Hoffentlich findest du bald Antworten auf deine Fragen.
~
~

# The bard's introduction goes on in his colour with the question.
=== bard_song
Als du der Straße weiter folgst, hörst du plötzlich eine Stimme, die immer lauter wird.
Dann kommt dir jemand entgegen: ein bunt gekleideter Mann, der auf einer Laute spielt.
Dazu singt er einen seltsamen Text:
~
{speech}Oh, gebt, ihr guten Leute, gebt eurem Barden Gold, so bleibt das Glück euch hold!
{normal}Mitten im Lied hält der Mann inne, als er dich bemerkt, und mustert dich neugierig.
{speech}Seid gegrüßt, Wanderer! Was führt Euch auf diese gottverlassene Straße?
{normal}Knapp antwortest du, dass du die nächste Stadt suchst. Der Fremde grinst verschmitzt.
{speech}Dann seid Ihr hier genau richtig. Ich komme nämlich geradewegs aus dieser Stadt.
{normal}Stolz wirft sich der Fremde in die Brust.
{speech}\

# Shown again after every wrong entry: then the question is in the normal
# colour.
=== bard_question
Ich bin Bittersport, der berühmte Barde! Und wie lautet Euer werter Name?
{normal}
~
{option 1 >} Stell dich als Hulgor vor
{option 2 >} Sag deinen richtigen Namen
{option 3 dies} Dich über seinen Namen lustig machen
~

=== claim_hulgor
Als du dich mit diesem Namen vorstellst, starrt dich Bittersport mit großen Augen an.
{speech}Der legendäre Barbarenheld? Ihr wollt mich wohl auf den Arm nehmen!
{normal}Du schüttelst den Kopf und versuchst, so überzeugend wie möglich dreinzuschauen.
Bittersport mustert dich skeptisch.
{speech}In den Liedern seht Ihr aber ganz anders aus.
{„}Und doch bin ich es. Die Lieder tragen eben etwas dick auf.
{normal}Ganz überzeugt ist der Barde nicht, doch er fragt nicht weiter nach, was dich beruhigt.
Dann lächelt Bittersport. {speech}Darf ich Euch eine Weile begleiten? Ein Abenteuer mit Hulgor höchstpersönlich, davon träume ich schon mein Leben lang!
{normal}So recht sicher bist du dir nicht, aber ein wenig Gesellschaft kann wohl nicht schaden. Also nickst du.
Der Barde ist außer sich vor Freude.
{speech}Habt Dank! Lasst uns sofort aufbrechen!{normal} ruft er freudig und begleitet dich fortan auf dem Weg in die Stadt.

# Below the banner of the better standing.
=== after_better_banner
~
~

=== real_name
Du nennst ihm deinen richtigen Namen.
Bittersport nickt und lächelt.
{speech}Nun, {name}, es war mir eine Freude, Euch kennenzulernen. Viel Glück auf Eurem Weg in die Stadt!
{normal}Mit diesen Worten verabschiedet sich der Barde und zieht seines Weges, während du weiter nach Süden wanderst.
~
~

=== mock_the_name
Bittersport? Bei diesem Namen kannst du dir ein Lachen beim besten Willen nicht verkneifen.
Das Letzte, was du siehst, ist die Laute des Barden, die auf deinen Kopf niedersaust. Mit einem hässlichen Geräusch findest du den Tod durch ein Musikinstrument.

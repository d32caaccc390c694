# The south road, the armed way south from the crossroads of "The Awakening":
# on the road to the smoke the hero meets Bittersport, a bard with a lute and
# a name that is better not laughed at.

=== walk_south @d36093e2
#| Du packst dein Schwert und marschierst los.
#| Eine Weile folgst du der Straße, ohne jemandem oder etwas zu begegnen.
#| Unterwegs denkst du über das Geschehene nach. Noch immer weißt du nicht, wie du hierhergekommen bist.
#| Das Letzte, woran du dich erinnerst, ist, dass du an deinem PC gesessen hast und ein neues Spiel ausprobieren wolltest. Dann musst du wohl eingeschlafen sein.
#| Ist das alles vielleicht nur ein Traum? Doch als du dich kneifst, tut es weh, und du wachst nicht auf.
#| Du seufzt. Hoffentlich findest du bald Antworten auf deine Fragen.
#| ~
#| ~
You grab your sword and march off.
For a while you follow the road without meeting anyone or anything.
As you walk, you think over what has happened. You still don't know how you got here.
The last thing you remember is sitting at your PC, about to try out a new game. Then you must have dozed off.
Could all of this just be a dream? But when you pinch yourself, it hurts, and you don't wake up.
You sigh. Hopefully you'll find answers to your questions soon.
~
~

# The bard's introduction goes on in his colour with the question.
=== bard_song @0416bc70
#| Als du der Straße weiter folgst, hörst du plötzlich eine Stimme, die immer lauter wird.
#| Dann kommt dir jemand entgegen: ein bunt gekleideter Mann, der auf einer Laute spielt.
#| Dazu singt er einen seltsamen Text:
#| ~
#| {speech}Oh, gebt, ihr guten Leute, gebt eurem Barden Gold, so bleibt das Glück euch hold!
#| {normal}Mitten im Lied hält der Mann inne, als er dich bemerkt, und mustert dich neugierig.
#| {speech}Seid gegrüßt, Wanderer! Was führt Euch auf diese gottverlassene Straße?
#| {normal}Knapp antwortest du, dass du die nächste Stadt suchst. Der Fremde grinst verschmitzt.
#| {speech}Dann seid Ihr hier genau richtig. Ich komme nämlich geradewegs aus dieser Stadt.
#| {normal}Stolz wirft sich der Fremde in die Brust.
#| {speech}\
As you follow the road further, you suddenly hear a voice, growing louder and louder.
Then someone comes toward you: a colorfully dressed man strumming a lute.
He is singing some rather strange lyrics to it:
~
{speech}Oh give, good people, give your bard some gold, and fortune's favor you shall ever hold!
{normal}In the middle of the song the man breaks off as he notices you, and looks you over curiously.
{speech}Greetings, wanderer! What brings you to this godforsaken road?
{normal}You answer curtly that you're looking for the nearest city. The stranger grins slyly.
{speech}Then you have come to the right place. For I come straight from that very city.
{normal}The stranger puffs out his chest with pride.
{speech}\

# Shown again after every wrong entry: then the question is in the normal
# colour.
=== bard_question @d344fd25
#| Ich bin Bittersport, der berühmte Barde! Und wie lautet Euer werter Name?
#| {normal}
#| ~
#| {option 1 >} Stell dich als Hulgor vor
#| {option 2 >} Sag deinen richtigen Namen
#| {option 3 dies} Dich über seinen Namen lustig machen
#| ~
I am Bittersport, the famous bard! And what might your good name be?
{normal}
~
{option 1 >} Introduce yourself as Hulgor
{option 2 >} Tell him your real name
{option 3 dies} Make fun of his name
~

=== claim_hulgor @dd0e79ee
#| Als du dich mit diesem Namen vorstellst, starrt dich Bittersport mit großen Augen an.
#| {speech}Der legendäre Barbarenheld? Ihr wollt mich wohl auf den Arm nehmen!
#| {normal}Du schüttelst den Kopf und versuchst, so überzeugend wie möglich dreinzuschauen.
#| Bittersport mustert dich skeptisch.
#| {speech}In den Liedern seht Ihr aber ganz anders aus.
#| {„}Und doch bin ich es. Die Lieder tragen eben etwas dick auf.
#| {normal}Ganz überzeugt ist der Barde nicht, doch er fragt nicht weiter nach, was dich beruhigt.
#| Dann lächelt Bittersport. {speech}Darf ich Euch eine Weile begleiten? Ein Abenteuer mit Hulgor höchstpersönlich, davon träume ich schon mein Leben lang!
#| {normal}So recht sicher bist du dir nicht, aber ein wenig Gesellschaft kann wohl nicht schaden. Also nickst du.
#| Der Barde ist außer sich vor Freude.
#| {speech}Habt Dank! Lasst uns sofort aufbrechen!{normal} ruft er freudig und begleitet dich fortan auf dem Weg in die Stadt.
When you introduce yourself by that name, Bittersport stares at you wide-eyed.
{speech}The legendary barbarian hero? Surely you jest!
{normal}You shake your head and try to look as convincing as you can.
Bittersport eyes you skeptically.
{speech}In the songs, though, you look quite different.
{„}And yet it is I. The songs do lay it on a little thick.
{normal}The bard isn't entirely convinced, but he doesn't press the matter, which is a relief.
Then Bittersport smiles. {speech}May I accompany you for a while? An adventure with Hulgor himself, I have dreamed of that all my life!
{normal}You're not quite sure about this, but a little company can't hurt. So you nod.
The bard is beside himself with joy.
{speech}I thank you! Let us set out at once!{normal} he cries happily, and from then on he travels with you on the way to the city.

# Below the banner of the better standing.
=== after_better_banner @0beb99b5
#| ~
#| ~
~
~

=== real_name @1dd6fbc1
#| Du nennst ihm deinen richtigen Namen.
#| Bittersport nickt und lächelt.
#| {speech}Nun, {name}, es war mir eine Freude, Euch kennenzulernen. Viel Glück auf Eurem Weg in die Stadt!
#| {normal}Mit diesen Worten verabschiedet sich der Barde und zieht seines Weges, während du weiter nach Süden wanderst.
#| ~
#| ~
You tell him your real name.
Bittersport nods and smiles.
{speech}Well then, {name}, it was a pleasure to make your acquaintance. Good luck on your way to the city!
{normal}With these words the bard takes his leave and goes on his way, while you keep walking south.
~
~

=== mock_the_name @dde0947f
#| Bittersport? Bei diesem Namen kannst du dir ein Lachen beim besten Willen nicht verkneifen.
#| Das Letzte, was du siehst, ist die Laute des Barden, die auf deinen Kopf niedersaust. Mit einem hässlichen Geräusch findest du den Tod durch ein Musikinstrument.
Bittersport? With a name like that, you can't for the life of you hold back a laugh.
The last thing you see is the bard's lute coming down on your head. With an ugly sound, you meet your death by musical instrument.

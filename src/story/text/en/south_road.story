# The south road, the armed way south from the crossroads of "The Awakening":
# on the road to the smoke the hero meets Bittersport, a bard with a lute and
# a name that is better not laughed at.

=== walk_south
You grab your sword and march off.
For a while you follow the road without meeting anyone or anything.
As you walk, you think over what has happened. You still don't know how you got here.
The last thing you remember is sitting at your PC, about to try out a new game. Then you must have dozed off.
Could all of this just be a dream? But when you pinch yourself, it hurts, and you don't wake up.
You sigh. Hopefully you'll find answers to your questions soon.
~
~

# The bard's introduction goes on in his colour with the question.
=== bard_song
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
=== bard_question
I am Bittersport, the famous bard! And what might your good name be?
{normal}
~
{option 1 >} Introduce yourself as Hulgor
{option 2 >} Tell him your real name
{option 3 dies} Make fun of his name
~

=== claim_hulgor
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
=== after_better_banner
~
~

=== real_name
You tell him your real name.
Bittersport nods and smiles.
{speech}Well then, {name}, it was a pleasure to make your acquaintance. Good luck on your way to the city!
{normal}With these words the bard takes his leave and goes on his way, while you keep walking south.
~
~

=== mock_the_name
Bittersport? With a name like that, you can't for the life of you hold back a laugh.
The last thing you see is the bard's lute coming down on your head. With an ugly sound, you meet your death by musical instrument.

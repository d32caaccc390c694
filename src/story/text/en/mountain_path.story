# The mountain path, the armed way to the mountains from the crossroads of
# "The Awakening": four wolves, Ragnar's spear just in time, a night in his
# cave, and in the morning the question of who the hero really is.

# Shown again after every wrong entry; no colour is set, the answers too stay
# in the normal colour the crossroads left.
=== wolves_attack
With your hand on the hilt of your sword, just to feel a little safer, you set off.
Soon you hear several wolves howling. Hastily you draw your sword and look around.
Four wolves leap out of the thicket, their eyes full of bloodlust, baring their teeth, ready to devour you.
Running away seems impossible, so you get ready to fight for your life. You have never fought{n}with a sword before, but you have no choice.
~
~
{option 1 dies} Throw yourself at the nearest wolf and attack it
{option 2 on} Roar to scare them off
{option 3 on} Wait for the first attack and try to dodge it

=== attack_wolf
You charge forward and flail clumsily with your sword, but you hit nothing.
The wolves seize their chance: one sinks its teeth into your arm, and with a scream you drop the sword.
The fight ends in your agonizing death.

=== roar_at_wolves
You do your very best to look menacing, but somehow it doesn't quite come off.
Your roar only riles the wolves. They look almost AMUSED.
One of them leaps at you, and only a jump to the side lets you dodge it by a hair.
But its claws catch your calf and leave a shallow, bleeding wound.

=== await_attack
You decide to wait and size up the situation, just like you learned from video games. Warily you watch the wolves, ready for anything.
When the first wolf leaps, you instantly dodge it with a{n}jump to the side.
The second one leaps right after it, and as if by accident you fend it off with your sword and strike it fatally in the throat. As it whimpers and bleeds to death, the other three growl and get ready to attack together.

# After waiting for the attack one wolf already lies dead.
=== spear_kills_another_wolf
Suddenly something rustles, and out of nowhere a spear hits another wolf and kills it on the spot.

# After the roar all four are still alive.
=== spear_kills_a_wolf
Suddenly something rustles, and out of nowhere a spear hits one of the wolves and kills it on the spot.

=== ragnar_rescue
Surprised, you turn toward where the spear came from and see Ragnar grinning at you casually, another{n}spear already in his hand.
~
~
{speech}Might you be in need of some help?
{normal}The remaining wolves now hastily take flight. {speech}Yes, run along, you fleabags!{normal} Ragnar calls after them with a laugh, and then turns back to you.
{speech}There is a cave close by where I have found shelter. Let us go there.
{normal}Relieved and grateful, you nod and follow him.
~
~

=== cave_night
At last you reach the cave, and you can rest. Only now do you notice how exhausted you are.
Ragnar seems to sense it too. {speech}Lie down and sleep a while,{normal} he says,{speech} we shall talk tomorrow.
{normal}Yawning, you lie down by the fire Ragnar has lit. The stony ground is hard, but you fall asleep at once.
~
~

=== morning
The pale morning light wakes you. Ragnar is already up and about, roasting meat over the fire.
Just in time, because your stomach starts to growl. Ragnar hears it and laughs.
{speech}
Good morning, stranger. I am roasting my catch, and there is enough for the both of us. You will find water at the brook, a few steps south of here.
{normal}You just nod at him as you slowly pick yourself up.
~

# Only after the roar: the wolf's claw in the calf.
=== bind_wound
As you stand up, the wound on your calf starts to hurt.
Now Ragnar notices it too.
{speech}We should tend to that at once,{normal} he says, and tears a strip from his threadbare shirt to bind the wound with.
{speech}Thank you,{normal} you say, feeling deeply in his debt.
Ragnar just waves it away and turns back to the meat.
~
~

# Ragnar goes on speaking with the question, on the same line.
=== lets_talk
{speech}Now we can talk,{normal} Ragnar says with a smile. {speech}\

# Shown again after every wrong entry: then it stands on its own line, in
# the normal colour.
=== name_question
Let us begin with who you really are.
{normal}
~
{option 1 on} Tell him your real name
{option 2 on} Go on calling yourself Hulgor

=== true_name
You tell him your real name and come clean with him. Ragnar grins.
{speech}I knew you were NOT Hulgor! I am glad to make your acquaintance, {name}!
~
~

=== still_hulgor
Ragnar doesn't seem to like your answer.
{speech}I do not believe you. But if you insist, then Hulgor you shall be.
{normal}There's no missing the doubt in his voice.
~
~

# Below the banner of the worse standing.
=== after_worse_banner
~
~

=== the_talk
Ragnar smiles at you.
{speech}Tell me, how did you come to fall into the hands of the Empire?
{normal}You shrug. Try as you might, you can't remember.
{speech}I do not know. The last thing I remember is sitting at my PC, about to try out a new role-playing game.
{normal}Ragnar gives you a skeptical look.{speech} What is a PC?
{normal}You briefly consider explaining it to him, but then think better of it.
{speech}That is not important. In any case, I come from another world, and I must find out how to get back there.
{normal}Ragnar still looks at you as if you had lost your mind, but then he nods.
{speech}That all sounds rather mad. But if you speak the truth, then only one can help you: THE ORACLE.
{normal}Ragnar seems lost in thought for a moment.\

=== ragnar_comes_along
{speech} I shall take you to her.
{normal}You have no objection, so you nod. And so Ragnar becomes your companion.
~
~

# Follows the period of the line before without a blank.
=== go_on_alone
{speech}I will show you the way. Surely the legendary Hulgor can manage the rest on his own.
{normal}You gulp. Passing yourself off as the great hero wasn't so clever after all.
But you're too proud to admit now that you need help.
And so, after a bite to eat, you set off alone.
~
~

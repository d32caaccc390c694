# Chapter "Second Dialog": Ragnar, the great Hulgor and the dragon.

=== ragnar_and_hulgor
{speech}
~
I am Ragnar, by the way. And what might your name be?
{normal} Out of nowhere, the Viking breaks the silence.
Before you can answer, one of the other prisoners cuts in.
{speech}Are you blind, Ragnar? That is plainly Hulgor, the famous barbarian hero!
{normal}Ragnar turns to the other man with one eyebrow raised.
{speech}Nonsense! Hulgor stands near seven feet tall and is a veritable mountain of a man.
{normal}Then he turns back to you: {speech}No offense meant, but you are rather on the scrawny side.
{normal}
~

# Shown again after every wrong entry.
=== claim_or_deny
You'd love to protest indignantly, but deep down you know Ragnar isn't entirely wrong.
After all, you paid for a gym membership for years without ever setting foot inside.
Still confused, you wonder why the other man takes you for Hulgor.
You consider what to answer.
On the one hand, you have no idea who this Hulgor even is. But being taken for a hero does impress you, somehow.
On the other hand, honesty might pay off.
~
~
{option 1 >} Claim that you really are Hulgor
{option 2 >} Say that you're not Hulgor
~
{quit} Quit

=== claim_to_be_hulgor
{normal}You do your best to look as imposing and self-assured as you can as you speak: {speech}Quite right, I am Hulgor, the dreaded...
~
~
{normal}\

=== deny_being_hulgor
You shake your head and say meekly: {speech}No, I am not Hulgor. I am just a perfectly ordinary...
{normal}\

=== dragon_attack
You get no further. Suddenly a tremendous roar rings out, loud as a thunderclap.
The prisoners turn white as chalk, and the horse pulling the cart whinnies in panic.
{speech}May the gods stand by us...{normal} says Ragnar, ashen, naked terror in his eyes.
~
You're just about to ask nervously what that was when the answer shows itself.
All at once the sky goes dark as two enormous wings rise above the snow-capped mountains.
You look up and can't believe your eyes: four legs, two wings. That's a dragon, quite clearly a dragon.
{speech}WYVERN!
{normal} roars Ragnar.
{normal}Another prisoner objects indignantly: {speech}No, that is a DRAGON, you ignorant dunderh...{normal} The know-it-all prisoner gets no further.
The dragon sweeps low over the cart and tears his head off.
With another roar, the beast turns back toward the cart. The soldier on the driver's bench lashes at the horse, but the poor animal doesn't stand a chance.
The dragon crashes to the ground right in front of the cart.
The earth shakes, and the cart tips over. You hit the ground hard and lose consciousness.
~
~
